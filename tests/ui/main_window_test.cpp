#include <gtest/gtest.h>

#include "support/env_guard.h"
#include "ui/program_fixture.h"

namespace {

using uitest::ProgramTest;

class MainWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartGame();
    }
    void Hover(const platform::Control& c) { driver.MoveTo(Form2(), platform::headless::Driver::CenterOf(c)); }
};

TEST_F(MainWindowTest, TheFirstShowReadsTheInitialState) {
    EXPECT_EQ(Form2().Label40->Caption(), "Деньги: 1000");
    EXPECT_EQ(Form2().Label44->Caption(), "День: 0");
    EXPECT_EQ(Form2().Label41->Caption(), "Время: 0-00");
    EXPECT_EQ(Form2().Label45->Caption(), "Скорость: 3");
    EXPECT_EQ(Form2().Label25->Caption(), "40/100");
    EXPECT_EQ(Form2().Label26->Caption(), "90/100");
    EXPECT_EQ(Form2().Label27->Caption(), "90/100");
    EXPECT_EQ(Form2().Label28->Caption(), "Злоупотребляющий");
    EXPECT_EQ(Form2().Label16->Caption(), "Для повышения нужно накопить 200 бутылок");
    EXPECT_TRUE(Form2().spSkinCheckRadioBox11->Checked());
    EXPECT_TRUE(Form2().spSkinCheckRadioBox11->Enabled());
    for (auto* box : {Form2().spSkinCheckRadioBox12, Form2().spSkinCheckRadioBox13, Form2().spSkinCheckRadioBox14,
                      Form2().spSkinCheckRadioBox15})
        EXPECT_FALSE(box->Enabled()) << box->Caption();
}

TEST_F(MainWindowTest, AGaugeBelowZeroShowsItsNumberUnclampedAndAnEmptyBar) {
    Form2().Game().State.Liver = -7;
    Form2().spSkinTabSheet2Show();
    EXPECT_EQ(Form2().Label27->Caption(), "-7/100");
    EXPECT_LE(Form2().ProgressBar3->Position(), 0) << "the bar shows empty";
}

TEST_F(MainWindowTest, TheCountdownReplacesTheStageExplanationForGood) {
    const std::string before = Form2().Label43->Caption();
    EXPECT_EQ(before.rfind("Меняется если в течении 4-х дней", 0), 0u);
    Hover(*Form2().Label42);
    const std::string after = Form2().Label43->Caption();
    EXPECT_EQ(after.rfind("Меняется если в течении 5-и дней нажратость была выже 40%.", 0), 0u);
    Hover(*Form2().Label25);
    driver.Leave(Form2());
    EXPECT_EQ(Form2().Label43->Caption(), after) << "nothing restores the first explanation";
}

TEST_F(MainWindowTest, AnActionLabelTurnsBlueAndShowsItsHintUnderThePointer) {
    ClickTab(2);
    Hover(*Form2().Label11);
    EXPECT_EQ(Form2().Label11->Font().FontColor, 0xFF0000u);
    EXPECT_EQ(Form2().Label14->Caption(),
              "Хороший шанс встретить сердобольных прохожих, но менты или гопники могут вломить по печени.");
    EXPECT_EQ(Form2().Label10->Font().FontColor, gfx::clBtnText);
    driver.MoveTo(Form2(), Form2().spSkinGroupBox6->ClientToWindow({200, 130}));
    EXPECT_EQ(Form2().Label14->Caption(), "") << "the group's own surface empties the hint";
    EXPECT_EQ(Form2().Label11->Font().FontColor, gfx::clBtnText);
    ClickTab(3);
    Hover(*Form2().Label6);
    EXPECT_EQ(Form2().Label7->Caption(), "Можно выпросить. Но часто давать не будет )))");
    EXPECT_EQ(Form2().Label6->ControlCursor, platform::Cursor::HandPoint);
    driver.MoveTo(Form2(), Form2().spSkinGroupBox4->ClientToWindow({200, 130}));
    EXPECT_EQ(Form2().Label7->Caption(), "");
    EXPECT_EQ(Form2().Label6->Font().FontColor, gfx::clBtnText);
}

TEST_F(MainWindowTest, PetrovichRefusesASecondRequestTheSameDay) {
    ClickTab(3);
    AnswerNextMessage();
    AnswerNextMessage();
    driver.ClickControl(*Form2().Label6);
    driver.ClickControl(*Form2().Label6);
    ASSERT_EQ(driver.Messages().size(), 2u);
    EXPECT_EQ(driver.Messages()[1].text, "Не наглей! ))) Недавно спрашивал");
    const bool gave = driver.Messages()[0].text == "Петрович одолжил полтяш!";
    EXPECT_EQ(Form2().Label40->Caption(), gave ? "Деньги: 1050" : "Деньги: 1000");
}

TEST_F(MainWindowTest, TheClockEnablesTheNextRankAndChoosingItPromotesForGood) {
    Form2().Game().State.Bottles = 200;
    driver.Advance(1000);
    ASSERT_TRUE(Form2().spSkinCheckRadioBox12->Enabled());
    ClickTab(2);
    driver.ClickControl(*Form2().spSkinCheckRadioBox12);
    EXPECT_EQ(Form2().Game().State.Rank, 2);
    EXPECT_FALSE(Form2().spSkinCheckRadioBox11->Enabled());
    EXPECT_FALSE(Form2().spSkinCheckRadioBox11->Checked());
    EXPECT_EQ(Form2().Label15->Caption(), "Зарплата: 100") << "the salary follows at the next tick";
    driver.Advance(1000);
    EXPECT_EQ(Form2().Label15->Caption(), "Зарплата: 200");
    EXPECT_EQ(Form2().Label16->Caption(), "Для повышения нужно накопить 560 бутылок");
}

TEST_F(MainWindowTest, TheHelpLinkSaysWhyWhenThePageCannotBeOpened) {
    auto& link = *Form2().spSkinLinkLabel1;
    ASSERT_FALSE(link.URL.empty()) << "the checkout holds the help page";

    link.URL.clear();
    AnswerNextMessage();
    driver.ClickControl(link);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(driver.Messages()[0].text, "Справка не найдена: рядом с игрой нет файла help/index.html.");

    // A desktop without xdg-open: nothing on the search path can open the page.
    const testsupport::EnvGuard path("PATH", "/nonexistent");
    link.URL = "file:///tmp/index.html";
    AnswerNextMessage();
    driver.ClickControl(link);
    ASSERT_EQ(driver.Messages().size(), 2u);
    EXPECT_EQ(driver.Messages()[1].text,
              "Не удалось открыть справку: в системе не найдена программа xdg-open, которая открывает страницы.");
}

}  // namespace
