#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/random.h"
#include "platform/headless/driver.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/program.h"

namespace uitest {

// The whole program on the headless window system, with the random generator's seed pinned,
// and the start window shown as the loop's start shows it.
class ProgramTest : public ::testing::Test {
protected:
    // audioDevice false builds the program on a machine without a sound device.
    explicit ProgramTest(bool audioDevice = true) : driver(audioDevice) {}

    void SetUp() override {
        // The cues are read from sound/ in the working directory, as the program reads them.
        std::filesystem::current_path(BURDOMIR_SOURCE_DIR);
        program = std::make_unique<ui::Program>(driver.App(), [this] { return seed; });
        driver.App().Run();
    }

    // Hands over to the main window as an accepted name does.
    void StartGame() {
        Form1().spSkinEdit1.SetText("Вася");
        driver.ClickControl(Form1().spSkinButton1);
    }
    // Clicks a tab's header, as the player switches tabs (0 is "Ресурсы", 4 "Магазин").
    void ClickTab(int index) {
        auto& pages = *Form2().spSkinPageControl1;
        const gfx::Rect r = pages.TabRect(index);
        driver.Click(Form2(), pages.ClientToWindow({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
    }
    // Switches to a tab as the player does, then parks the pointer on the frame's corner, off
    // every control, so that a picture of the window does not depend on where the tab was.
    void ShowTab(int index) {
        ClickTab(index);
        driver.MoveTo(Form2(), {2, 2});
    }
    // The next message box the program shows is answered with OK.
    void AnswerNextMessage() {
        driver.Script([this] { driver.PressKey(platform::Key::Return); });
    }
    // The cue files played so far, in order.
    [[nodiscard]] std::vector<std::string> Played() {
        std::vector<std::string> played;
        for (const auto& e : driver.Backend().Sound().Events())
            if (e.kind == platform::HeadlessAudio::Event::Kind::Play) played.push_back(e.path);
        return played;
    }

    // A seed whose first draw in 0..n-1 after a re-seed satisfies the condition.
    static std::uint32_t SeedWhere(std::uint32_t n, const std::function<bool(std::uint32_t)>& wanted) {
        for (std::uint32_t s = 1;; ++s) {
            game::Random r([s] { return s; });
            r.Reseed();
            if (wanted(r.Next(n))) return s;
        }
    }

    ui::TForm1& Form1() const { return program->Form1(); }
    ui::TForm2& Form2() const { return program->Form2(); }

    std::uint32_t seed = 1;
    platform::headless::Driver driver;
    std::unique_ptr<ui::Program> program;
};

}  // namespace uitest
