// Each dialog as the player first sees it and after its key actions, pixel for pixel, with
// the random draws pinned so that the outcomes are always the same.
#include <gtest/gtest.h>

#include "support/golden.h"
#include "ui/dialogs/dialog_fixture.h"

namespace {

using testsupport::MatchesGolden;
using uitest::DialogTest;

TEST_F(DialogTest, TrainingGolden) {
    State().Money = 700;
    Form2().Label12Click();
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form5()), "Dialog_Training_First"));
    driver.ClickControl(program->Form5().spSkinButton1);
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form5()), "Dialog_Training_AfterOneLevel"));
}

TEST_F(DialogTest, DrinkGolden) {
    State().Beer = 6;
    State().Vodka = 2;
    Form2().spSkinButton3Click();
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form6()), "Dialog_Drink_First"));
    program->Form6().spSkinTrackBar1.SetValue(4);
    program->Form6().spSkinTrackBar3.SetValue(2);
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form6()), "Dialog_Drink_Chosen"));
}

TEST_F(DialogTest, EatAndHealGolden) {
    State().Bread = 3;
    State().Herring = 1;
    Form2().spSkinButton4Click();
    program->Form7().spSkinTrackBar1.SetValue(2);
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form7()), "Dialog_Eat_Chosen"));
    State().Injections = 1;
    Form2().spSkinButton6Click();
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form8()), "Dialog_Heal_First"));
}

TEST_F(DialogTest, SearchBeggingAndReturnGolden) {
    Form2().Label10Click();
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form10()), "Dialog_Search_First"));
    driver.ClickControl(program->Form10().spSkinCheckRadioBox2);
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form10()), "Dialog_Search_PlaceChosen"));

    driver.Script([&] {
        driver.ClickControl(program->Form9().spSkinCheckRadioBox3);
        driver.ClickControl(program->Form9().spSkinCheckRadioBox5);
        EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form9()), "Dialog_Begging_Chosen"));
        program->Form9().Hide();
    });
    Form2().Label11Click();

    State().Bottles = 57;
    Form2().Label13Click();
    program->Form4().spSkinTrackBar1.SetValue(20);
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form4()), "Dialog_Return_Chosen"));
}

TEST_F(DialogTest, SeductionGolden) {
    Form2().Label5Click();
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form3()), "Dialog_Seduction_NoRoses"));
    program->Form3().Hide();
    State().Roses = 5;
    Form2().Label5Click();
    program->Form3().spSkinTrackBar1.SetValue(3);
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form3()), "Dialog_Seduction_ThreeRoses"));
}

}  // namespace
