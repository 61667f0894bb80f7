#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace {

using uitest::DialogTest;

class ConsumptionTest : public DialogTest {
protected:
    ui::TForm6& Drink() const { return program->Form6(); }
    ui::TForm7& Eat() const { return program->Form7(); }
    ui::TForm8& Heal() const { return program->Form8(); }
};

TEST_F(ConsumptionTest, TheDrinkDialogOffersEachDrinkUpToItsStockAndMarksEmptyRows) {
    State().Beer = 3;
    State().Vodka = 1;
    State().Moonshine = 12;
    Form2().spSkinButton3Click();
    ASSERT_TRUE(Drink().Visible());
    EXPECT_EQ(Cues(), std::vector<std::string>{"sound/zapusk.wav"});
    EXPECT_EQ(Drink().Caption(), "Выпить");
    EXPECT_EQ(Drink().ClientWidth(), 262);
    EXPECT_EQ(Drink().ClientHeight(), 250);

    EXPECT_TRUE(Drink().spSkinTrackBar1.Enabled());
    EXPECT_EQ(Drink().spSkinTrackBar1.MaxValue(), 3);
    EXPECT_EQ(Drink().Label5.Caption(), "0");
    EXPECT_FALSE(Drink().spSkinTrackBar2.Enabled()) << "no wine";
    EXPECT_EQ(Drink().Label6.Caption(), "n/a");
    EXPECT_EQ(Drink().spSkinTrackBar3.MaxValue(), 1);
    EXPECT_EQ(Drink().spSkinTrackBar4.MaxValue(), 12);

    Drink().spSkinTrackBar1.SetValue(7);
    EXPECT_EQ(Drink().spSkinTrackBar1.Value(), 3) << "a slider never offers more than is held";
    EXPECT_EQ(Drink().Label5.Caption(), "3");
    Drink().spSkinTrackBar2.SetValue(5);
    EXPECT_EQ(Drink().Label6.Caption(), "n/a") << "an empty row keeps its mark";
}

TEST_F(ConsumptionTest, DrinkingTurnsDrinksIntoEmptiesRaisesDrunkennessAndHurtsTheLiver) {
    State().Drunkenness = 95;
    State().Vodka = 2;
    State().Beer = 1;
    Form2().spSkinButton3Click();
    Drink().spSkinTrackBar3.SetValue(1);
    Drink().spSkinTrackBar1.SetValue(1);
    driver.ClickControl(Drink().spSkinButton1);
    EXPECT_EQ(Cues().back(), "sound/drink.wav");
    EXPECT_EQ(State().Drunkenness, 100) << "capped";
    EXPECT_EQ(State().Liver, 90 - 4 - 1);
    EXPECT_EQ(State().Bottles, 2);
    EXPECT_EQ(State().Vodka, 1);
    EXPECT_EQ(State().Beer, 0);
    EXPECT_FALSE(Drink().Visible());
}

TEST_F(ConsumptionTest, AReopenedDialogIsSetUpAfreshButOneShownAgainKeepsItsSliders) {
    State().Beer = 5;
    Form2().spSkinButton3Click();
    Drink().spSkinTrackBar1.SetValue(4);
    Form2().spSkinButton3Click();
    EXPECT_EQ(Drink().spSkinTrackBar1.Value(), 4) << "only brought to the front";
    EXPECT_EQ(driver.TopWindow(), &Drink());

    driver.ClickControl(Drink().spSkinButton1);
    EXPECT_EQ(State().Beer, 1);
    Form2().spSkinButton3Click();
    EXPECT_EQ(Drink().spSkinTrackBar1.Value(), 0);
    EXPECT_EQ(Drink().spSkinTrackBar1.MaxValue(), 1);
    EXPECT_EQ(Drink().Label5.Caption(), "0");
}

TEST_F(ConsumptionTest, DrinkingWithEverySliderAtZeroStillPlaysAndCloses) {
    Form2().spSkinButton3Click();
    driver.ClickControl(Drink().spSkinButton1);
    EXPECT_EQ(Cues(), (std::vector<std::string>{"sound/zapusk.wav", "sound/drink.wav"}));
    EXPECT_EQ(State().Drunkenness, 40);
    EXPECT_FALSE(Drink().Visible());
}

TEST_F(ConsumptionTest, EatingRaisesSatietyToAHundredAtMost) {
    State().Satiety = 50;
    State().Bread = 2;
    State().Herring = 9;
    Form2().spSkinButton4Click();
    ASSERT_TRUE(Eat().Visible());
    EXPECT_EQ(Eat().Caption(), "Пожрать");
    EXPECT_EQ(Eat().Label5.Caption(), "n/a") << "no stew";
    Eat().spSkinTrackBar1.SetValue(2);
    Eat().spSkinTrackBar3.SetValue(9);
    EXPECT_EQ(Eat().Label6.Caption(), "9");
    driver.ClickControl(Eat().spSkinButton1);
    EXPECT_EQ(Cues().back(), "sound/eat.wav");
    EXPECT_EQ(State().Satiety, 100);
    EXPECT_EQ(State().Herring, 0);
    EXPECT_EQ(State().Bread, 0);
    EXPECT_FALSE(Eat().Visible());
}

TEST_F(ConsumptionTest, HealingRaisesTheLiverToAHundredAtMost) {
    State().Liver = 60;
    State().Vitamins = 1;
    Form2().spSkinButton6Click();
    ASSERT_TRUE(Heal().Visible());
    EXPECT_EQ(Heal().Caption(), "Лечить");
    EXPECT_EQ(Heal().Label4.Caption(), "n/a");
    Heal().spSkinTrackBar1.SetValue(1);
    driver.ClickControl(Heal().spSkinButton1);
    EXPECT_EQ(Cues().back(), "sound/med.wav");
    EXPECT_EQ(State().Liver, 65);

    State().Liver = 80;
    State().Injections = 1;
    Form2().spSkinButton6Click();
    Heal().spSkinTrackBar2.SetValue(1);
    driver.ClickControl(Heal().spSkinButton1);
    EXPECT_EQ(State().Liver, 100);
}

}  // namespace

namespace {

using uitest::DialogTest;

TEST_F(DialogTest, TheMainWindowsButtonOpensTheDrinkDialogAfterTheStartCue) {
    driver.ClickControl(*Form2().spSkinButton3);
    EXPECT_TRUE(program->Form6().Visible());
    EXPECT_EQ(Cues(), std::vector<std::string>{"sound/zapusk.wav"});
}

// A paused game must not wake the machine: with a dialog open, the pointer having passed over
// its caption and left (the window system keeping the last position it saw), nothing runs.
TEST_F(DialogTest, WithADialogOpenAndThePointerGoneNoTimerRuns) {
    driver.ClickControl(*Form2().spSkinButton3);
    ui::TForm6& dialog = program->Form6();
    ASSERT_TRUE(dialog.Visible());
    driver.MoveTo(dialog, {dialog.Width() / 2, 8});
    driver.Leave(dialog);
    driver.Advance(5000);
    EXPECT_EQ(State().Hour, 0) << "the clock stays paused";
    EXPECT_FALSE(driver.App().NextDeadline());
}

TEST_F(DialogTest, AMissingCueShowsItsErrorAndTheDialogDoesNotOpen) {
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    driver.ClickControl(*Form2().spSkinButton4);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].title, "Burdomir");
    EXPECT_EQ(driver.Messages()[0].kind, platform::MessageKind::Error);
    EXPECT_FALSE(program->Form7().Visible());
}

}  // namespace
