// A whole game played through the windows, day by day, to the victory: each morning the
// player reads the main window's state, earns (bottles, Petrovich, begging, the brigade), buys,
// drinks, eats and heals through the counters and the dialogs, then lets the clock run to
// the next day turn. The dice are pinned where they are thrown, always in the player's favour
// except for the beating that ends a begging round, so the game is the same on every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "game/shop.h"
#include "game/tables.h"
#include "ui/dialogs/dialog_fixture.h"

namespace {

using uitest::DialogTest;

constexpr int kHourMs = 1000;  // the clock at its starting speed
constexpr int kDrunkTarget = 56;
constexpr int kBegRiskAtTheSupermarket = 38 + 4;  // the place's risk and the businessman's
constexpr int kBegLuckiest = 100;

class WholeGameTest : public DialogTest {
protected:
    // The first seed whose draws after a re-seed satisfy wanted.
    static std::uint32_t SeedFor(const std::function<bool(game::Random&)>& wanted) {
        for (std::uint32_t s = 1;; ++s) {
            game::Random r([s] { return s; });
            r.Reseed();
            if (wanted(r)) return s;
        }
    }
    void Did(const std::string& action) { done.insert(action); }

    // Buys at a counter on its tab as the player does: the good, the quantity, "Купить".
    void Buy(int tab, controls::TspSkinCheckRadioBox& good, controls::TspSkinTrackBar& quantity,
             controls::TspSkinButton& buy, int count, const std::string& action) {
        ShowTab(tab);
        while (count > 0) {
            const int now = std::min(count, game::kMaxQuantity);
            driver.ClickControl(good);
            quantity.SetValue(now);
            const int money = State().Money;
            driver.ClickControl(buy);
            ASSERT_LT(State().Money, money) << action << ": the purchase was refused";
            count -= now;
        }
        Did(action);
    }
    void BuyMoonshine(int n) {
        Buy(3, *Form2().spSkinCheckRadioBox10, *Form2().spSkinTrackBar3, *Form2().spSkinButton5, n, "buy moonshine");
    }
    void BuyRose() {
        Buy(3, *Form2().spSkinCheckRadioBox9, *Form2().spSkinTrackBar3, *Form2().spSkinButton5, 1, "buy a rose");
    }

    // The body's dialogs on the "Тушка" tab: set the rows, press the action button.
    void Drink(int moonshine) {
        ShowTab(1);
        driver.ClickControl(*Form2().spSkinButton3);
        program->Form6().spSkinTrackBar4.SetValue(moonshine);
        driver.ClickControl(program->Form6().spSkinButton1);
        ASSERT_FALSE(program->Form6().Visible());
        Did("drink");
    }
    void Eat(int herring) {
        Buy(4, *Form2().spSkinCheckRadioBox6, *Form2().spSkinTrackBar1, *Form2().spSkinButton1, herring, "buy food");
        ShowTab(1);
        driver.ClickControl(*Form2().spSkinButton4);
        program->Form7().spSkinTrackBar3.SetValue(herring);
        driver.ClickControl(program->Form7().spSkinButton1);
        ASSERT_FALSE(program->Form7().Visible());
        Did("eat");
    }
    void Heal(int points) {
        // Injections are the cheaper cure by the point, vitamins the finer one.
        const int injections = points >= 25 ? (points + 49) / 50 : 0;
        const int vitamins = injections > 0 ? 0 : (points + 4) / 5;
        if (injections > 0)
            Buy(4, *Form2().spSkinCheckRadioBox5, *Form2().spSkinTrackBar2, *Form2().spSkinButton2, injections,
                "buy injections");
        if (vitamins > 0)
            Buy(4, *Form2().spSkinCheckRadioBox4, *Form2().spSkinTrackBar2, *Form2().spSkinButton2, vitamins,
                "buy vitamins");
        ShowTab(1);
        driver.ClickControl(*Form2().spSkinButton6);
        program->Form8().spSkinTrackBar1.SetValue(vitamins);
        program->Form8().spSkinTrackBar2.SetValue(injections);
        driver.ClickControl(program->Form8().spSkinButton1);
        ASSERT_FALSE(program->Form8().Visible());
        Did("heal");
    }

    // The street and the brigade on the "Город" tab.
    void SearchBottles() {
        const auto range = static_cast<std::uint32_t>(40 * State().SenseiLevel + 20);
        seed = SeedFor([range](game::Random& r) { return r.Next(range) == range - 1; });
        const int before = State().Bottles;
        ShowTab(2);
        driver.ClickControl(*Form2().Label10);
        driver.ClickControl(program->Form10().spSkinCheckRadioBox1);
        driver.ClickControl(program->Form10().spSkinButton1);
        ASSERT_FALSE(program->Form10().Visible());
        ASSERT_EQ(State().Bottles, before + static_cast<int>(range) - 1);
        Did("search bottles");
    }
    // A round of begging at the supermarket: every lucky plea while the drunkard is not yet
    // too well known there, then the beating by the guards that ends the round.
    void Beg() {
        const std::uint32_t lucky =
            SeedFor([](game::Random& r) { return r.Next(101) == static_cast<std::uint32_t>(kBegLuckiest); });
        const std::uint32_t unlucky = SeedFor([](game::Random& r) { return r.Next(101) == 0; });
        const int pleas = std::max(0, (kBegLuckiest - kBegRiskAtTheSupermarket - State().Notoriety - 1) / 15 + 1);
        const int money = State().Money;
        auto& dialog = program->Form9();
        driver.Script([&] {
            driver.ClickControl(dialog.spSkinCheckRadioBox3);
            driver.ClickControl(dialog.spSkinCheckRadioBox6);
        });
        for (int i = 0; i < pleas; ++i) {
            driver.Script([&] {
                seed = lucky;
                driver.ClickControl(dialog.spSkinButton1);
            });
            driver.Script([&] { driver.PressKey(platform::Key::Return); });
        }
        driver.Script([&] {
            seed = unlucky;
            driver.ClickControl(dialog.spSkinButton1);
        });
        ShowTab(2);
        driver.ClickControl(*Form2().Label11);
        ASSERT_FALSE(dialog.Visible()) << "the beating ends the round";
        ASSERT_GT(State().Money, money);
        Did("beg");
    }
    void ReturnBottles() {
        ShowTab(2);
        driver.ClickControl(*Form2().Label13);
        program->Form4().spSkinTrackBar1.SetValue(State().Bottles);
        driver.ClickControl(program->Form4().spSkinButton1);
        ASSERT_EQ(State().Bottles, 0);
        ASSERT_FALSE(program->Form4().Visible()) << "with every bottle returned the dialog closes";
        Did("return bottles");
    }
    void Train() {
        const int level = State().SenseiLevel;
        ShowTab(2);
        driver.ClickControl(*Form2().Label12);
        driver.ClickControl(program->Form5().spSkinButton1);
        ASSERT_EQ(State().SenseiLevel, level + 1);
        driver.Focus(Form2());  // the dialog stays for the next level; the player goes back
        Did("train");
    }
    void Promote(controls::TspSkinCheckRadioBox& rank) {
        const int before = State().Rank;
        ShowTab(2);
        driver.ClickControl(rank);
        ASSERT_EQ(State().Rank, before + 1);
        Did("promotion");
    }

    // The market's people on the "Рынок" tab.
    void AskPetrovich() {
        seed = SeedFor([](game::Random& r) { return r.Next(100) == 99; });
        const int money = State().Money;
        ShowTab(3);
        driver.ClickControl(*Form2().Label6);
        ASSERT_EQ(State().Money, money + 50);
        Did("ask Petrovich");
    }
    void CourtDunka() {
        seed = SeedFor([](game::Random& r) { return r.Next(100) >= 80 && r.Next(5) == 4; });
        const int moonshine = State().Moonshine;
        ShowTab(3);
        driver.ClickControl(*Form2().Label5);
        program->Form3().spSkinTrackBar1.SetValue(1);
        driver.ClickControl(program->Form3().spSkinButton1);
        ASSERT_FALSE(program->Form3().Visible());
        ASSERT_EQ(State().Moonshine, moonshine + 10);
        Did("court Dunka");
    }

    // One morning's round, from what the main window shows.
    void PlayMorning() {
        const game::GameState& s = State();
        const game::StageRow& stage = game::StageOf(s.Stage);
        if (s.CanSearchBottles == 1) SearchBottles();
        if (s.PetrovichDays >= 2) AskPetrovich();
        if (s.SenseiLevel == 0 && s.Money >= 700) Train();
        if (s.Rank == 1 && Form2().spSkinCheckRadioBox12->Enabled()) Promote(*Form2().spSkinCheckRadioBox12);
        if (s.Rank >= 2 && s.Bottles > 0 && s.Day % 5 == 0) ReturnBottles();
        if (s.Money < 900 && s.Notoriety + kBegRiskAtTheSupermarket < kBegLuckiest) Beg();

        const int drinks = std::max(0, (kDrunkTarget - s.Drunkenness + 10) / 11);
        // Dunka's gift every other day, the market's moonshine on the others.
        if (drinks > s.Moonshine && s.Day % 2 == 0) {
            if (s.Roses == 0) BuyRose();
            CourtDunka();
        }
        if (drinks > s.Moonshine) BuyMoonshine(drinks - s.Moonshine);
        if (drinks > 0) Drink(drinks);
        const int liverNeeded = stage.liverDrain + 12 - s.Liver;
        if (liverNeeded > 0) Heal(liverNeeded);
        const int hunger = stage.satietyDrain + 12 - s.Satiety;
        if (hunger > 0) Eat((hunger + 9) / 10);
    }

    std::set<std::string> done;
};

TEST_F(WholeGameTest, APlayerWhoLooksAfterHimWinsAtTheLastStage) {
    const std::string victory = "Алкаш допился до белочки! Поздравляем со \"счастливым\" концом!";
    for (int day = 0; day < 40 && !driver.App().Terminated(); ++day) {
        PlayMorning();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(Form2().IsActive()) << "day " << day << ": the clock runs only on the main window";
        const int stage = State().Stage;
        driver.Advance(24 * kHourMs);
        if (driver.App().Terminated()) break;
        ASSERT_EQ(State().Day, day + 1);
        ASSERT_GE(State().Stage, stage);
        EXPECT_EQ(Form2().Label28->Caption(), game::StageOf(State().Stage).name);
    }
    ASSERT_TRUE(driver.App().Terminated()) << "no ending within 40 days";
    ASSERT_FALSE(driver.Messages().empty());
    EXPECT_EQ(driver.Messages().back().text, victory);
    EXPECT_EQ(State().Day, 23) << "three counted days to the second stage and four to each after";
    EXPECT_EQ(done, (std::set<std::string>{"ask Petrovich", "beg", "buy a rose", "buy food", "buy injections",
                                           "buy moonshine", "buy vitamins", "court Dunka", "drink", "eat", "heal",
                                           "promotion", "return bottles", "search bottles", "train"}));
}

}  // namespace
