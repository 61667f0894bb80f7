// The main window after each action the player takes through a dialog, shown on the tab where
// the action's effect is seen, with the random draws pinned so the outcomes never change.
#include <gtest/gtest.h>

#include <string>

#include "support/golden.h"
#include "ui/dialogs/dialog_fixture.h"

namespace {

using testsupport::MatchesGolden;

class MainWindowAfterDialogGoldenTest : public uitest::DialogTest {
protected:
    // The main window as it is now, with the pointer parked off every control; the player is
    // back on it, so it is the active window and its clock runs again.
    ::testing::AssertionResult Looks(const std::string& name) {
        if (!Form2().IsActive()) return ::testing::AssertionFailure() << "the main window is not active";
        driver.MoveTo(Form2(), {2, 2});
        return MatchesGolden(driver.Pixels(Form2()), name);
    }
};

TEST_F(MainWindowAfterDialogGoldenTest, Drinking) {
    State().Beer = 2;
    State().Vodka = 3;
    driver.ClickControl(*Form2().spSkinButton3);
    program->Form6().spSkinTrackBar1.SetValue(2);
    program->Form6().spSkinTrackBar3.SetValue(3);
    driver.ClickControl(program->Form6().spSkinButton1);
    ASSERT_FALSE(program->Form6().Visible());
    ASSERT_EQ(State().Drunkenness, 74);
    ASSERT_EQ(State().Liver, 76);
    EXPECT_TRUE(Looks("MainWindow_AfterDrinking"));
}

TEST_F(MainWindowAfterDialogGoldenTest, Eating) {
    State().Satiety = 50;
    State().Bread = 3;
    State().Stew = 1;
    driver.ClickControl(*Form2().spSkinButton4);
    program->Form7().spSkinTrackBar1.SetValue(2);
    program->Form7().spSkinTrackBar2.SetValue(1);
    driver.ClickControl(program->Form7().spSkinButton1);
    ASSERT_EQ(State().Satiety, 60);
    EXPECT_TRUE(Looks("MainWindow_AfterEating"));
}

TEST_F(MainWindowAfterDialogGoldenTest, Healing) {
    State().Liver = 60;
    State().Vitamins = 2;
    driver.ClickControl(*Form2().spSkinButton6);
    program->Form8().spSkinTrackBar1.SetValue(2);
    driver.ClickControl(program->Form8().spSkinButton1);
    ASSERT_EQ(State().Liver, 70);
    EXPECT_TRUE(Looks("MainWindow_AfterHealing"));
}

TEST_F(MainWindowAfterDialogGoldenTest, BottleSearch) {
    seed = SeedWhere(20, [](std::uint32_t n) { return n == 13; });
    ShowTab(2);
    driver.ClickControl(*Form2().Label10);
    driver.ClickControl(program->Form10().spSkinCheckRadioBox1);
    driver.ClickControl(program->Form10().spSkinButton1);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Бутылок собрано - 13"});
    ShowTab(0);
    EXPECT_EQ(Form2().Label35->Caption(), "Бутылки - 13");
    EXPECT_TRUE(Looks("MainWindow_AfterBottleSearch"));
}

// One begging that pays and, at once, one that ends in a beating: the money and the liver
// both change, and the beating is what closes the dialog.
TEST_F(MainWindowAfterDialogGoldenTest, Begging) {
    seed = SeedWhere(101, [](std::uint32_t r) { return r == 50; });
    ShowTab(2);
    driver.Script([&] {
        driver.ClickControl(program->Form9().spSkinCheckRadioBox1);
        driver.ClickControl(program->Form9().spSkinCheckRadioBox4);
        driver.ClickControl(program->Form9().spSkinButton1);
    });
    driver.Script([&] { driver.PressKey(platform::Key::Return); });  // answers the payout
    driver.Script([&] {
        seed = SeedWhere(101, [](std::uint32_t r) { return r == 5; });
        driver.ClickControl(program->Form9().spSkinButton1);
    });
    driver.ClickControl(*Form2().Label11);
    ASSERT_EQ(MessageTexts().size(), 2u);
    EXPECT_EQ(MessageTexts()[1], "Вас поймали гопники и дали по печени ((");
    ASSERT_FALSE(program->Form9().Visible());
    ASSERT_GT(State().Money, 1000);
    ASSERT_EQ(State().Liver, 80);
    ShowTab(1);
    EXPECT_TRUE(Looks("MainWindow_AfterBegging"));
}

TEST_F(MainWindowAfterDialogGoldenTest, BottleReturn) {
    State().Bottles = 57;
    ShowTab(2);
    driver.ClickControl(*Form2().Label13);
    program->Form4().spSkinTrackBar1.SetValue(20);
    driver.ClickControl(program->Form4().spSkinButton1);
    ASSERT_TRUE(program->Form4().Visible()) << "bottles are left, so the dialog stays";
    ASSERT_EQ(State().Money, 1020);
    ShowTab(0);  // the player's click brings the main window back to the front
    EXPECT_EQ(Form2().Label35->Caption(), "Бутылки - 37");
    EXPECT_TRUE(Looks("MainWindow_AfterBottleReturn"));
}

TEST_F(MainWindowAfterDialogGoldenTest, Training) {
    ShowTab(2);
    driver.ClickControl(*Form2().Label12);
    driver.ClickControl(program->Form5().spSkinButton1);
    ASSERT_TRUE(program->Form5().Visible()) << "the training dialog stays for the next level";
    ASSERT_EQ(State().SenseiLevel, 1);
    ASSERT_EQ(State().Money, 700);
    driver.Focus(Form2());  // the player goes back to the main window to look
    EXPECT_EQ(Form2().Label20->Caption(), "Уровень: 1");
    EXPECT_TRUE(Looks("MainWindow_AfterTraining"));
}

TEST_F(MainWindowAfterDialogGoldenTest, Courting) {
    State().Roses = 3;
    seed = SeedWhere(100, [](std::uint32_t r) { return r == 60; });
    ShowTab(3);
    driver.ClickControl(*Form2().Label5);
    program->Form3().spSkinTrackBar1.SetValue(3);
    driver.ClickControl(program->Form3().spSkinButton1);
    ASSERT_FALSE(program->Form3().Visible());
    ASSERT_EQ(State().Roses, 0);
    ASSERT_GE(State().Moonshine, 6);
    ShowTab(0);
    EXPECT_EQ(Form2().Label32->Caption(), "Самогон - " + std::to_string(State().Moonshine));
    EXPECT_TRUE(Looks("MainWindow_AfterCourting"));
}

}  // namespace
