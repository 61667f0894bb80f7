#include <gtest/gtest.h>

#include <filesystem>

#include "ui/program_fixture.h"

namespace {

using uitest::ProgramTest;

class TabsTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartGame();
    }
};

TEST_F(TabsTest, TheBodyTabIsOnTopAtTheFirstShowAndTabsAreInTheirOrder) {
    auto& pages = *Form2().spSkinPageControl1;
    ASSERT_EQ(pages.PageCount(), 5);
    EXPECT_EQ(pages.ActivePage(), Form2().spSkinTabSheet2);
    const char* captions[] = {"Ресурсы", "Тушка", "Город", "Рынок", "Магазин"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pages.Pages(i)->Caption(), captions[i]);
    EXPECT_TRUE(Played().empty()) << "the first show plays no tab cue";
}

TEST_F(TabsTest, TheFirstShowRefreshesTheGaugesOfTheTabOnTop) {
    // A gauge changed while the window was hidden is what the first show finds.
    platform::headless::Driver other;
    ui::Program program(other.App(), [] { return 7u; });
    other.App().Run();
    program.Form2().Game().State.Satiety = 55;
    program.Form1().spSkinEdit1.SetText("x");
    other.ClickControl(program.Form1().spSkinButton1);
    EXPECT_EQ(program.Form2().Label26->Caption(), "55/100");
    EXPECT_EQ(program.Form2().ProgressBar2->Position(), 55);
}

TEST_F(TabsTest, SwitchingShowsCurrentCountsAndPlaysTheCueAfterTheRefresh) {
    Form2().Game().State.Vodka = 3;
    Form2().Game().State.Bottles = 12;
    ClickTab(0);
    EXPECT_EQ(Form2().Label31->Caption(), "Водка - 3");
    EXPECT_EQ(Form2().Label35->Caption(), "Бутылки - 12");
    ASSERT_EQ(Played().size(), 1u);
    EXPECT_EQ(Played()[0], "sound/perexod.wav");

    Form2().Game().State.Vodka = 5;
    Form2().spSkinTabSheet1Show();
    Form2().Game().State.Vodka = 9;
    driver.Advance(1000);
    EXPECT_EQ(Form2().Label31->Caption(), "Водка - 5") << "the clock does not rewrite the stock list";

    Form2().Game().State.Drunkenness = 77;
    ClickTab(1);
    EXPECT_EQ(Form2().Label25->Caption(), "77/100");
    EXPECT_EQ(Form2().ProgressBar1->Position(), 77);
    EXPECT_EQ(Played().size(), 2u);
}

TEST_F(TabsTest, TheNewTabIsRefreshedBeforeTheCueSoAMissingCueLeavesItCurrent) {
    const auto empty = std::filesystem::temp_directory_path() / "burdomir-no-sound";
    std::filesystem::create_directories(empty);
    std::filesystem::current_path(empty);
    Form2().Game().State.Roses = 4;
    AnswerNextMessage();
    ClickTab(0);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(driver.Messages()[0].title, "Burdomir");
    EXPECT_EQ(Form2().Label36->Caption(), "Розы - 4");
}

TEST_F(TabsTest, MarketAndShopTabsRewriteNothingButPlayTheCue) {
    Form2().Game().State.Money = 5;
    Form2().Game().State.SenseiLevel = 4;
    ClickTab(3);
    ClickTab(4);
    EXPECT_EQ(Form2().Label40->Caption(), "Деньги: 1000");
    EXPECT_EQ(Form2().Label20->Caption(), "Уровень: 0");
    EXPECT_EQ(Played().size(), 2u);
    ClickTab(2);
    EXPECT_EQ(Form2().Label20->Caption(), "Уровень: 4");
}

TEST_F(TabsTest, AClockTickRepaintsOnlyTheHourItRewrote) {
    (void)driver.Pixels(Form2());
    driver.Advance(1000);
    (void)driver.Pixels(Form2());
    const gfx::Rect hour = Form2().Label41->BoundsRect();
    const gfx::Point origin = Form2().Label41->ClientToWindow({0, 0});
    const gfx::Rect expected{origin.x, origin.y, origin.x + hour.width(), origin.y + hour.height()};
    EXPECT_EQ(driver.Backend().State(Form2()).lastPresented, expected);
}

}  // namespace
