// The main window after each action the player takes on it without a dialog: a purchase at
// each counter, asking Petrovich, the promotion and a day turn, each shown on the tab where
// its effect is seen. Random draws are pinned, and the clock moves only when a test says so.
#include <gtest/gtest.h>

#include <string>

#include "support/golden.h"
#include "ui/program_fixture.h"

namespace {

using testsupport::MatchesGolden;

class MainWindowActionGoldenTest : public uitest::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartGame();
    }
    game::GameState& State() const { return Form2().Game().State; }
    // Buys at a counter as the player does: the good, the quantity, then "Купить".
    void Buy(controls::TspSkinCheckRadioBox& good, controls::TspSkinTrackBar& quantity, int count,
             controls::TspSkinButton& buy) {
        driver.ClickControl(good);
        quantity.SetValue(count);
        driver.ClickControl(buy);
    }
    // The main window as it is now, with the pointer parked off every control; the player is
    // back on it, so it is the active window and its clock runs again.
    ::testing::AssertionResult Looks(const std::string& name) {
        if (!Form2().IsActive()) return ::testing::AssertionFailure() << "the main window is not active";
        driver.MoveTo(Form2(), {2, 2});
        return MatchesGolden(driver.Pixels(Form2()), name);
    }
};

TEST_F(MainWindowActionGoldenTest, GroceryPurchase) {
    ShowTab(4);
    Buy(*Form2().spSkinCheckRadioBox8, *Form2().spSkinTrackBar1, 5, *Form2().spSkinButton1);
    ASSERT_EQ(State().Bread, 5);
    ASSERT_EQ(State().Money, 900);
    EXPECT_EQ(Form2().Label2->Caption(), "Цена: 100 руб.");
    EXPECT_TRUE(Looks("MainWindow_AfterGroceryPurchase"));
}

TEST_F(MainWindowActionGoldenTest, PharmacyPurchase) {
    ShowTab(4);
    Buy(*Form2().spSkinCheckRadioBox5, *Form2().spSkinTrackBar2, 2, *Form2().spSkinButton2);
    ASSERT_EQ(State().Injections, 2);
    ASSERT_EQ(State().Money, 200);
    EXPECT_EQ(Form2().Label4->Caption(), "Цена: 800 руб.");
    EXPECT_TRUE(Looks("MainWindow_AfterPharmacyPurchase"));
}

TEST_F(MainWindowActionGoldenTest, MarketPurchase) {
    ShowTab(3);
    Buy(*Form2().spSkinCheckRadioBox9, *Form2().spSkinTrackBar3, 3, *Form2().spSkinButton5);
    ASSERT_EQ(State().Roses, 3);
    ASSERT_EQ(State().Money, 640);
    EXPECT_EQ(Form2().Label8->Caption(), "Цена: 360 руб.");
    EXPECT_TRUE(Looks("MainWindow_AfterMarketPurchase"));
}

TEST_F(MainWindowActionGoldenTest, PetrovichPays) {
    seed = SeedWhere(100, [](std::uint32_t r) { return r == 20; });
    ShowTab(3);
    driver.ClickControl(*Form2().Label6);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].text, "Петрович одолжил полтяш!");
    ASSERT_EQ(State().Money, 1050);
    EXPECT_TRUE(Looks("MainWindow_PetrovichPaid"));
}

TEST_F(MainWindowActionGoldenTest, PetrovichRefuses) {
    seed = SeedWhere(100, [](std::uint32_t r) { return r == 19; });
    ShowTab(3);
    driver.ClickControl(*Form2().Label6);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].text, "Петрович послал подальше");
    ASSERT_EQ(State().Money, 1000);
    ASSERT_EQ(State().PetrovichDays, 0);
    EXPECT_TRUE(Looks("MainWindow_PetrovichRefused"));
}

TEST_F(MainWindowActionGoldenTest, PromotionEnabledAtTheNextTickThenJoined) {
    ShowTab(2);
    State().Bottles = 200;
    driver.Advance(1000);
    ASSERT_TRUE(Form2().spSkinCheckRadioBox12->Enabled());
    EXPECT_TRUE(Looks("MainWindow_PromotionEnabled"));

    driver.ClickControl(*Form2().spSkinCheckRadioBox12);
    ASSERT_EQ(State().Rank, 2);
    EXPECT_EQ(Form2().Label15->Caption(), "Зарплата: 100") << "the new pay shows from the next tick";
    driver.Advance(1000);
    EXPECT_EQ(Form2().Label15->Caption(), "Зарплата: 200");
    EXPECT_TRUE(Looks("MainWindow_Promoted"));
}

TEST_F(MainWindowActionGoldenTest, DayTurn) {
    State().Drunkenness = 60;  // drunk enough for the day to count toward the next stage
    driver.Advance(24 * 1000);
    ASSERT_EQ(State().Day, 1);
    ASSERT_EQ(State().StageDays, 2);
    EXPECT_EQ(Form2().Label42->Caption(), "До изменения осталось 2 дня");
    EXPECT_EQ(Form2().Label25->Caption(), "52/100");
    EXPECT_TRUE(Looks("MainWindow_AfterDayTurn"));
}

}  // namespace
