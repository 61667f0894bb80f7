#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "support/golden.h"
#include "ui/program_fixture.h"

namespace {

using uitest::ProgramTest;

// Seeds whose first draw falls in each fifth of the generator's range, so each start shows
// the prompt of that index.
constexpr std::uint32_t kPromptSeeds[] = {0x8ab3beb8u, 0x2c0a368fu, 0xcd60ae66u, 0x6eb7263du, 0x100d9e14u};

TEST(StartWindowGoldenTest, EachPromptAsTheStartWindowShowsIt) {
    for (size_t i = 0; i < std::size(kPromptSeeds); ++i) {
        platform::headless::Driver driver;
        ui::Program program(driver.App(), [seed = kPromptSeeds[i]] { return seed; });
        driver.App().Run();
        EXPECT_TRUE(
            testsupport::MatchesGolden(driver.Pixels(program.Form1()), "StartWindow_Prompt" + std::to_string(i)));
    }
}

class MainWindowGoldenTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartGame();
        driver.MoveTo(Form2(), {2, 2});  // the pointer off every control
    }
    void ExpectTab(int index, const std::string& name) {
        ShowTab(index);
        EXPECT_TRUE(testsupport::MatchesGolden(driver.Pixels(Form2()), name));
    }
};

TEST_F(MainWindowGoldenTest, EveryTabAtTheFirstShow) {
    EXPECT_TRUE(testsupport::MatchesGolden(driver.Pixels(Form2()), "MainWindow_Body"));
    ExpectTab(0, "MainWindow_Resources");
    ExpectTab(2, "MainWindow_City");
    ExpectTab(3, "MainWindow_Market");
    ExpectTab(4, "MainWindow_Shop");
}

TEST_F(MainWindowGoldenTest, EveryTabAfterBuyingThreeVodkas) {
    ClickTab(4);
    driver.ClickControl(*Form2().spSkinCheckRadioBox3);
    Form2().spSkinTrackBar1->SetValue(3);
    driver.ClickControl(*Form2().spSkinButton1);
    ASSERT_EQ(Form2().Game().State.Vodka, 3);
    ExpectTab(4, "MainWindow_ShopAfterPurchase");
    ExpectTab(0, "MainWindow_ResourcesAfterPurchase");
    ExpectTab(1, "MainWindow_BodyAfterPurchase");
    ExpectTab(2, "MainWindow_CityAfterPurchase");
    ExpectTab(3, "MainWindow_MarketAfterPurchase");
}

}  // namespace
