#include <gtest/gtest.h>

#include "ui/program_fixture.h"

namespace {

using uitest::ProgramTest;

TEST_F(ProgramTest, TheClockWaitsForTheMainWindowAndTicksOneHourPerInterval) {
    driver.Advance(5000);
    EXPECT_EQ(Form2().Game().State.Hour, 0) << "no game time passes while the start window asks";
    StartGame();
    driver.Advance(999);
    EXPECT_EQ(Form2().Label41->Caption(), "Время: 0-00");
    driver.Advance(1);
    EXPECT_EQ(Form2().Label41->Caption(), "Время: 1-00");
}

TEST_F(ProgramTest, AMessageBoxPausesTheClockAndClosingItResumesWithAFullInterval) {
    StartGame();
    driver.Advance(1500);
    ASSERT_EQ(Form2().Game().State.Hour, 1);
    Form2().Game().State.Money = 0;
    ClickTab(4);
    driver.ClickControl(*Form2().spSkinCheckRadioBox3);
    driver.Script([this] { driver.Advance(10000); });
    AnswerNextMessage();
    driver.ClickControl(*Form2().spSkinButton1);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(Form2().Game().State.Hour, 1) << "the clock ran under the message box";
    driver.Advance(999);
    EXPECT_EQ(Form2().Game().State.Hour, 1) << "the interval restarts when the main window is active again";
    driver.Advance(1);
    EXPECT_EQ(Form2().Game().State.Hour, 2);
}

TEST_F(ProgramTest, SpeedStaysWithinItsFourStepsAndRewritesItsLabelEachTime) {
    StartGame();
    Form2().spSkinUpDown1UpButtonClick();
    EXPECT_EQ(Form2().Timer1.Interval(), 500);
    Form2().spSkinUpDown1UpButtonClick();
    EXPECT_EQ(Form2().Label45->Caption(), "Скорость: 4");
    EXPECT_EQ(Form2().Timer1.Interval(), 500);
    for (int i = 0; i < 4; ++i) Form2().spSkinUpDown1DownButtonClick();
    EXPECT_EQ(Form2().Label45->Caption(), "Скорость: 1");
    EXPECT_EQ(Form2().Timer1.Interval(), 4000);
    driver.Advance(3999);
    EXPECT_EQ(Form2().Game().State.Hour, 0);
    driver.Advance(1);
    EXPECT_EQ(Form2().Game().State.Hour, 1);
}

TEST_F(ProgramTest, ChangingTheSpeedDoesNotStartAPausedClock) {
    Form2().spSkinUpDown1UpButtonClick();
    EXPECT_FALSE(Form2().Timer1.Enabled());
    EXPECT_EQ(Form2().Timer1.Interval(), 500);
}

struct EndingCase {
    int32_t game::GameState::*gauge;
    const char* message;
};

class EndingTest : public ProgramTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(EndingTest, ADeathPlaysItsCueShowsItsMessageAndEndsTheProgram) {
    StartGame();
    Form2().Game().State.*GetParam().gauge = -3;
    AnswerNextMessage();
    driver.Advance(1000);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].text, GetParam().message);
    EXPECT_EQ(driver.Messages()[0].title, "Information");
    ASSERT_FALSE(Played().empty());
    EXPECT_EQ(Played().back(), "sound/death.wav");
    EXPECT_TRUE(driver.App().Terminated());
    EXPECT_FALSE(Form2().Timer1.Enabled()) << "the clock stays stopped after the ending";
}

INSTANTIATE_TEST_SUITE_P(Deaths, EndingTest,
                         ::testing::Values(EndingCase{&game::GameState::Drunkenness,
                                                      "Алкаш умер от недостатка горючих материалов в организме!"},
                                           EndingCase{&game::GameState::Satiety, "Алкаш умер от голода!"},
                                           EndingCase{&game::GameState::Liver, "Печень отвалилась!"}));

TEST_F(ProgramTest, VictoryAtTheDayTurnEndsTheProgramWithoutTheDeathCue) {
    StartGame();
    Form2().Game().State.Stage = 6;
    Form2().Game().State.StageDays = 3;
    Form2().Game().State.Drunkenness = 80;
    Form2().Game().State.Hour = 23;
    AnswerNextMessage();
    driver.Advance(1000);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].text, "Алкаш допился до белочки! Поздравляем со \"счастливым\" концом!");
    EXPECT_TRUE(Played().empty());
    EXPECT_TRUE(driver.App().Terminated());
}

TEST_F(ProgramTest, ClosingTheMainWindowEndsTheProgram) {
    StartGame();
    Form2().Close();
    EXPECT_TRUE(driver.App().Terminated());
}

TEST_F(ProgramTest, TheDayTurnRewritesTheStatusLineTheStageAndTheGauges) {
    StartGame();
    driver.Advance(24 * 1000);
    EXPECT_EQ(Form2().Label44->Caption(), "День: 1");
    EXPECT_EQ(Form2().Label41->Caption(), "Время: 0-00");
    EXPECT_EQ(Form2().Label40->Caption(), "Деньги: 1100");
    EXPECT_EQ(Form2().Label25->Caption(), "32/100");
    EXPECT_EQ(Form2().Label26->Caption(), "70/100");
    EXPECT_EQ(Form2().Label27->Caption(), "90/100");
    EXPECT_EQ(Form2().ProgressBar2->Position(), 70);
    EXPECT_EQ(Form2().Label42->Caption(), "До изменения осталось 4 дня");
}

}  // namespace
