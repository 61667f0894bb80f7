#include <gtest/gtest.h>

#include "ui/program_fixture.h"

namespace {

using uitest::ProgramTest;

class CounterTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        StartGame();
        ClickTab(4);
    }
    void Hover(const platform::Control& c) { driver.MoveTo(Form2(), platform::headless::Driver::CenterOf(c)); }
};

TEST_F(CounterTest, ChoosingAGoodShowsItsPriceForTheQuantity) {
    EXPECT_EQ(Form2().Label2->Caption(), "Цена: 0 руб.");
    EXPECT_EQ(Form2().Label1->Caption(), "1");
    driver.ClickControl(*Form2().spSkinCheckRadioBox5);
    EXPECT_EQ(Form2().Label4->Caption(), "Цена: 400 руб.");
    driver.ClickControl(*Form2().spSkinCheckRadioBox4);
    EXPECT_EQ(Form2().Label4->Caption(), "Цена: 50 руб.");
    EXPECT_FALSE(Form2().spSkinCheckRadioBox5->Checked()) << "the goods of a counter are one radio group";
    EXPECT_EQ(Form2().Label2->Caption(), "Цена: 0 руб.") << "another counter is untouched";
}

TEST_F(CounterTest, BuyingVodkaWithExactlyItsPriceSucceedsAndOneRoubleLessIsRefused) {
    driver.ClickControl(*Form2().spSkinCheckRadioBox3);
    Form2().Game().State.Money = 119;
    AnswerNextMessage();
    driver.ClickControl(*Form2().spSkinButton1);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].text, "Недостаточно денег!");
    EXPECT_EQ(driver.Messages()[0].title, "Warning");
    EXPECT_EQ(Form2().Game().State.Vodka, 0);
    EXPECT_EQ(Form2().Label40->Caption(), "Деньги: 119") << "the money line is rewritten even when refused";

    Form2().Game().State.Money = 120;
    driver.ClickControl(*Form2().spSkinButton1);
    EXPECT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(Form2().Game().State.Vodka, 1);
    EXPECT_EQ(Form2().Label40->Caption(), "Деньги: 0");
    EXPECT_TRUE(Form2().spSkinCheckRadioBox3->Checked()) << "the choice stays after a purchase";
}

TEST_F(CounterTest, TheSliderSetsTheQuantityAndThePriceFollowsTheChosenGood) {
    Form2().spSkinTrackBar1->SetValue(3);
    EXPECT_EQ(Form2().Label1->Caption(), "3");
    EXPECT_EQ(Form2().Label2->Caption(), "Цена: 0 руб.") << "no good chosen yet";
    driver.ClickControl(*Form2().spSkinCheckRadioBox8);
    EXPECT_EQ(Form2().Label2->Caption(), "Цена: 60 руб.");
    Form2().spSkinTrackBar1->SetValue(5);
    EXPECT_EQ(Form2().Label2->Caption(), "Цена: 100 руб.");
    Form2().Game().State.Money = 100;
    driver.ClickControl(*Form2().spSkinButton1);
    AnswerNextMessage();
    driver.ClickControl(*Form2().spSkinButton1);
    EXPECT_EQ(Form2().Game().State.Bread, 5) << "the second purchase is refused: the money is gone";
    EXPECT_EQ(driver.Messages().size(), 1u);
}

TEST_F(CounterTest, BuyWithNothingChosenShowsNothingAndRewritesTheMoney) {
    Form2().Game().State.Money = 777;
    ClickTab(3);
    driver.ClickControl(*Form2().spSkinButton5);
    EXPECT_TRUE(driver.Messages().empty());
    EXPECT_EQ(Form2().Label40->Caption(), "Деньги: 777");
}

TEST_F(CounterTest, ThePictureAndHintFollowThePointerNotTheChoice) {
    EXPECT_EQ(Form2().spPngImageView1->ImageIndex(), 0);
    EXPECT_EQ(Form2().spPngImageView2->ImageIndex(), 6);
    EXPECT_EQ(Form2().spPngImageView3->ImageIndex(), 8);
    ClickTab(3);
    driver.ClickControl(*Form2().spSkinCheckRadioBox9);
    Hover(*Form2().spSkinCheckRadioBox10);
    EXPECT_EQ(Form2().spPngImageView3->ImageIndex(), 8);
    EXPECT_EQ(Form2().Label17->Caption(), "Лучше всех напитков увеличивает нажратость, но и сильно бьет по печени.");
    Hover(*Form2().spSkinCheckRadioBox9);
    EXPECT_EQ(Form2().spPngImageView3->ImageIndex(), 9);
    EXPECT_EQ(Form2().Label17->Caption(), "Нужны для соблазнения Дуньки.");
    ClickTab(4);
    Hover(*Form2().spSkinCheckRadioBox6);
    EXPECT_EQ(Form2().spPngImageView1->ImageIndex(), 5);
    EXPECT_EQ(Form2().Label18->Caption(), "Отлично утоляет голод.");
    EXPECT_EQ(Form2().Label17->Caption(), "Нужны для соблазнения Дуньки.") << "each counter keeps its own hint";
    driver.MoveTo(Form2(), Form2().spSkinGroupBox1->ClientToWindow({200, 140}));
    EXPECT_EQ(Form2().Label18->Caption(), "") << "the group's own surface empties the hint";
    EXPECT_EQ(Form2().spPngImageView1->ImageIndex(), 5) << "but the picture stays";
}

}  // namespace
