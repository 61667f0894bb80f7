// Thousands of random clicks, key presses and clock steps over all ten windows with a fixed
// seed; after every step the rules' invariants must hold and no error may have reached the
// error box. Games that end are replaced by new ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "platform/headless/driver.h"
#include "platform/win_control.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/program.h"

namespace {

constexpr int kSteps = 5000;
constexpr int kQueuedSteps = 4;

// Every control of a window, depth first.
void CollectControls(const platform::WinControl& parent, std::vector<platform::Control*>& out) {
    for (const auto& c : parent.Controls()) {
        if (!c->Visible()) continue;
        out.push_back(c.get());
        if (const auto* w = dynamic_cast<const platform::WinControl*>(c.get())) CollectControls(*w, out);
    }
}

// Why a state breaks the rules, or empty when it keeps them.
std::string BrokenInvariant(const game::GameState& s) {
    const int32_t stocks[] = {s.Beer,     s.Wine,       s.Vodka,     s.Bread, s.Stew,   s.Herring,
                              s.Vitamins, s.Injections, s.Moonshine, s.Roses, s.Bottles};
    for (int32_t n : stocks)
        if (n < 0) return "a stock below 0";
    if (s.Money < 0) return "money below 0";
    if (s.Hour < 0 || s.Hour > 23) return "hour out of 0..23";
    if (s.Drunkenness > 100 || s.Satiety > 100 || s.Liver > 100) return "a gauge above 100";
    if (s.StageDays < 0 || s.StageDays > 3) return "stage days out of 0..3";
    if (s.Stage < 1 || s.Stage > 7) return "stage out of 1..7";
    if (s.Rank < 1 || s.Rank > 5) return "rank out of 1..5";
    if (s.SenseiLevel < 0 || s.SenseiLevel > 10) return "sensei level out of 0..10";
    if (s.Notoriety < 0) return "notoriety below 0";
    if (s.PetrovichDays < 0 || s.PetrovichDays > 5) return "Petrovich's days out of 0..5";
    if (s.CanSearchBottles != 0 && s.CanSearchBottles != 1) return "search allowance not 0 or 1";
    if (s.Speed < 1 || s.Speed > 4) return "speed out of 1..4";
    return {};
}

class Soak {
public:
    explicit Soak(std::uint32_t seed) : random_(seed) { NewGame(); }

    // One random step: an input to the window in front, or the clock moving on.
    void Step() {
        while (driver_->Backend().PendingSteps() < kQueuedSteps) driver_->Script([this] { Act(); });
        Act();
        if (program_->Form2().Game().Ended() != game::Ending::None) {
            ++gamesEnded_;
            NewGame();
        }
    }

    [[nodiscard]] const game::GameState& State() const { return program_->Form2().Game().State; }
    // The texts of error boxes shown in this game.
    [[nodiscard]] std::vector<std::string> Errors() const {
        std::vector<std::string> errors;
        for (const auto& m : driver_->Messages())
            if (m.kind == platform::MessageKind::Error) errors.push_back(m.text);
        return errors;
    }
    [[nodiscard]] int GamesEnded() const { return gamesEnded_; }

private:
    void NewGame() {
        program_.reset();
        driver_ = std::make_unique<platform::headless::Driver>();
        program_ = std::make_unique<ui::Program>(driver_->App(), [this] { return random_(); });
        driver_->App().Run();
        program_->Form1().spSkinEdit1.SetText("Soak");
        driver_->ClickControl(program_->Form1().spSkinButton1);
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void Act() {
        platform::Form* top = driver_->TopWindow();
        if (!top) return;
        switch (Pick(11)) {
            case 0:
            case 1:
            case 2: {
                std::vector<platform::Control*> controls;
                CollectControls(*top, controls);
                if (!controls.empty()) driver_->ClickControl(*controls[Pick(static_cast<int>(controls.size()))]);
                break;
            }
            case 3:
                driver_->Click(*top, {Pick(top->Width()), Pick(top->Height())});
                break;
            case 4:
                driver_->MoveTo(*top, {Pick(top->Width()), Pick(top->Height())});
                break;
            case 5: {
                static constexpr platform::Key keys[] = {
                    platform::Key::Tab,  platform::Key::Left,  platform::Key::Right,  platform::Key::Up,
                    platform::Key::Down, platform::Key::Space, platform::Key::Return, platform::Key::Escape};
                driver_->PressKey(keys[Pick(8)], Pick(4) == 0 ? unsigned{platform::ssShift} : 0u);
                break;
            }
            case 6:
                // The clock runs only while the main window is active, as after a click on it.
                if (driver_->App().ModalStack().empty() && Pick(2) == 0) driver_->Focus(program_->Form2());
                driver_->Advance(Pick(20000));
                break;
            case 7:
                if (driver_->App().ModalStack().empty()) OpenADialog();
                break;
            case 8:
                if (top == &program_->Form2()) SwitchTab();
                break;
            default:
                driver_->Drag(*top, {Pick(top->Width()), Pick(top->Height())},
                              {Pick(top->Width()), Pick(top->Height())});
                break;
        }
    }

    // A click on one of the main window's tab headers.
    void SwitchTab() {
        auto& pages = *program_->Form2().spSkinPageControl1;
        const gfx::Rect r = pages.TabRect(Pick(5));
        driver_->Click(program_->Form2(), pages.ClientToWindow({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
    }

    // What the main window's dialog controls do when clicked.
    void OpenADialog() {
        ui::TForm2& main = program_->Form2();
        switch (Pick(8)) {
            case 0:
                main.spSkinButton3Click();
                break;
            case 1:
                main.spSkinButton4Click();
                break;
            case 2:
                main.spSkinButton6Click();
                break;
            case 3:
                main.Label10Click();
                break;
            case 4:
                main.Label11Click();
                break;
            case 5:
                main.Label12Click();
                break;
            case 6:
                main.Label13Click();
                break;
            default:
                main.Label5Click();
                break;
        }
    }

    std::mt19937 random_;
    std::unique_ptr<ui::Program> program_;
    std::unique_ptr<platform::headless::Driver> driver_;
    int gamesEnded_ = 0;
};

TEST(SoakTest, RandomInputOverAllWindowsKeepsTheRulesAndRaisesNoError) {
    std::filesystem::current_path(BURDOMIR_SOURCE_DIR);
    Soak soak(20261208);
    for (int i = 0; i < kSteps; ++i) {
        soak.Step();
        const std::string broken = BrokenInvariant(soak.State());
        ASSERT_TRUE(broken.empty()) << "step " << i << ": " << broken;
        ASSERT_TRUE(soak.Errors().empty()) << "step " << i << ": " << soak.Errors().front();
    }
    EXPECT_GT(soak.GamesEnded(), 0) << "the clock never ran long enough to end a game";
    std::cout << "soak: " << kSteps << " steps, " << soak.GamesEnded() << " games ended\n";
}

}  // namespace
