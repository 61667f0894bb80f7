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
#include "ui/Unit10.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"
#include "ui/Unit8.h"
#include "ui/Unit9.h"
#include "ui/program.h"

namespace uitest {

// The whole program on the headless window system, run from the source tree so that the
// sound cues are found, with the random seed pinned and the game started under a name
// accepted by the start window.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::current_path(BURDOMIR_SOURCE_DIR);
        program = std::make_unique<ui::Program>(driver.App(), [this] { return seed; });
        driver.App().Run();
        Form1().spSkinEdit1.SetText("Вася");
        driver.ClickControl(Form1().spSkinButton1);
        ASSERT_TRUE(Form2().Visible());
    }

    ui::TForm1& Form1() const { return program->Form1(); }
    ui::TForm2& Form2() const { return program->Form2(); }
    game::GameState& State() const { return Form2().Game().State; }

    // The cue files opened so far, in order.
    std::vector<std::string> Cues() {
        std::vector<std::string> cues;
        for (const auto& e : driver.Backend().Sound().Events())
            if (e.kind == platform::HeadlessAudio::Event::Kind::Open) cues.push_back(e.path);
        return cues;
    }
    // The texts of the message boxes shown so far.
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : driver.Messages()) texts.push_back(m.text);
        return texts;
    }

    // A seed whose first draw in 0..n-1 after a re-seed satisfies the condition.
    static std::uint32_t SeedWhere(std::uint32_t n, const std::function<bool(std::uint32_t)>& wanted) {
        for (std::uint32_t s = 1;; ++s) {
            game::Random r([s] { return s; });
            r.Reseed();
            if (wanted(r.Next(n))) return s;
        }
    }

    std::uint32_t seed = 1;
    platform::headless::Driver driver;
    std::unique_ptr<ui::Program> program;
};

}  // namespace uitest
