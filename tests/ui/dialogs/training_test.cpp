#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace {

using uitest::DialogTest;

class TrainingTest : public DialogTest {
protected:
    ui::TForm5& Dialog() const { return program->Form5(); }
};

TEST_F(TrainingTest, OpensWithTheLevelAndPriceAfterTheStartCue) {
    Form2().Label12Click();
    ASSERT_TRUE(Dialog().Visible());
    EXPECT_EQ(Cues(), std::vector<std::string>{"sound/zapusk.wav"});
    EXPECT_EQ(Dialog().Caption(), "Form5");
    EXPECT_EQ(Dialog().ClientWidth(), 222);
    EXPECT_EQ(Dialog().ClientHeight(), 132);
    EXPECT_EQ(Dialog().Label1.Caption(), "Текущий уровень: 0");
    EXPECT_EQ(Dialog().Label2.Caption(), "Стоимость обучения: 300");
    EXPECT_EQ(Dialog().Label3.Caption(), "Максимальный уровень - 10");
}

TEST_F(TrainingTest, EachLevelBoughtRewritesTheDialogAndTheMoneyAndKeepsItOpen) {
    State().Money = 300;
    Form2().Label12Click();
    driver.ClickControl(Dialog().spSkinButton1);
    EXPECT_EQ(State().SenseiLevel, 1);
    EXPECT_EQ(State().Money, 0);
    EXPECT_EQ(Form2().Label40->Caption(), "Деньги: 0");
    EXPECT_EQ(Dialog().Label1.Caption(), "Текущий уровень: 1");
    EXPECT_EQ(Dialog().Label2.Caption(), "Стоимость обучения: 500");
    EXPECT_TRUE(Dialog().Visible());

    driver.ClickControl(Dialog().spSkinButton1);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].title, "Warning");
    EXPECT_EQ(driver.Messages()[0].text, "Недостаточно денег!");
    EXPECT_EQ(State().SenseiLevel, 1) << "a level the money does not cover is not bought";
    EXPECT_TRUE(Dialog().Visible());
}

TEST_F(TrainingTest, AtLevelNineTheLastLevelLeavesItOpenAndTheNextPressClosesItFree) {
    State().SenseiLevel = 9;
    State().Money = 5000;
    Form2().Label12Click();
    driver.ClickControl(Dialog().spSkinButton1);
    EXPECT_EQ(State().SenseiLevel, 10);
    EXPECT_EQ(State().Money, 5000 - 2100);
    EXPECT_TRUE(Dialog().Visible());

    driver.ClickControl(Dialog().spSkinButton1);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Уже максимальный уровень"});
    EXPECT_FALSE(Dialog().Visible());
    EXPECT_EQ(State().Money, 5000 - 2100) << "nothing is charged at the top";
}

TEST_F(TrainingTest, AtLevelTenTheDialogDoesNotOpen) {
    State().SenseiLevel = 10;
    Form2().Label12Click();
    EXPECT_EQ(Cues(), std::vector<std::string>{"sound/zapusk.wav"});
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Уровень уже максимальный!!!"});
    EXPECT_EQ(driver.Messages()[0].title, "Information");
    EXPECT_FALSE(Dialog().Visible());
}

TEST_F(TrainingTest, OpeningItAgainWhileShownOnlyBringsItToTheFront) {
    State().Money = 300;
    Form2().Label12Click();
    Dialog().Label1.SetCaption("marker");
    Form2().Label12Click();
    EXPECT_EQ(Dialog().Label1.Caption(), "marker") << "the show work ran again";
    EXPECT_EQ(driver.TopWindow(), &Dialog());
    EXPECT_EQ(Cues().size(), 2u) << "the start cue plays each time";
}

TEST_F(TrainingTest, ItIsCentredPausesTheClockAndOnlyItsOwnActionsCloseIt) {
    driver.Focus(Form2());
    EXPECT_TRUE(Form2().Timer1.Enabled());
    Form2().Label12Click();
    EXPECT_TRUE(Dialog().IsActive());
    EXPECT_FALSE(Form2().Timer1.Enabled()) << "no game time passes while a dialog is in use";
    const gfx::Rect area = driver.Backend().WorkArea();
    // The skinned frame settles its height once shown, so the centre may move by a pixel.
    EXPECT_NEAR(Dialog().Left() + Dialog().Width() / 2, area.left + area.width() / 2, 1);
    EXPECT_NEAR(Dialog().Top() + Dialog().Height() / 2, area.top + area.height() / 2, 1);
    EXPECT_TRUE(Dialog().spSkinForm1.HideCaptionButtons()) << "no caption buttons";

    Dialog().Close();
    EXPECT_TRUE(Dialog().Visible()) << "a close request from the window system is refused";
    driver.Focus(Form2());
    EXPECT_TRUE(Form2().Timer1.Enabled()) << "the clock resumes with the main window";
}

TEST_F(TrainingTest, AMissingCueStopsTheOpeningBeforeTheDialogShows) {
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    EXPECT_ANY_THROW(Form2().Label12Click());
    EXPECT_FALSE(Dialog().Visible());
}

}  // namespace
