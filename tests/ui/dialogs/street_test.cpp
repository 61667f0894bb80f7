#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace {

using uitest::DialogTest;

class StreetTest : public DialogTest {
protected:
    ui::TForm10& Search() const { return program->Form10(); }
    ui::TForm9& Begging() const { return program->Form9(); }
    ui::TForm4& Return() const { return program->Form4(); }
};

TEST_F(StreetTest, TheSearchOpensOnceADayAndNeedsAPlace) {
    Form2().Label10Click();
    ASSERT_TRUE(Search().Visible());
    EXPECT_EQ(Search().Caption(), "Доходный бизнес");
    EXPECT_EQ(State().CanSearchBottles, 0) << "spent on opening";
    driver.ClickControl(Search().spSkinButton1);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Ну выбери что-нибудь :)"});
    EXPECT_TRUE(Search().Visible());

    seed = SeedWhere(20, [](std::uint32_t n) { return n == 13; });
    driver.ClickControl(Search().spSkinCheckRadioBox2);
    driver.ClickControl(Search().spSkinButton1);
    EXPECT_EQ(MessageTexts().back(), "Бутылок собрано - 13");
    EXPECT_EQ(State().Bottles, 13);
    EXPECT_FALSE(Search().Visible());

    Form2().Label10Click();
    EXPECT_EQ(MessageTexts().back(), "Можно только раз в сутки!");
    EXPECT_EQ(driver.Messages().back().title, "Warning");
    EXPECT_EQ(Cues().size(), 2u) << "the cue plays before the refusal";
    EXPECT_FALSE(Search().Visible());

    State().CanSearchBottles = 1;
    Form2().Label10Click();
    EXPECT_TRUE(Search().spSkinCheckRadioBox2.Checked()) << "the place chosen yesterday is kept";
}

TEST_F(StreetTest, ThePlacesAndPhrasesOfTheBeggingDialogAreTwoSeparateGroups) {
    driver.Script([&] {
        driver.ClickControl(Begging().spSkinCheckRadioBox3);
        driver.ClickControl(Begging().spSkinCheckRadioBox6);
        driver.ClickControl(Begging().spSkinCheckRadioBox1);
    });
    driver.Script([&] { Begging().Hide(); });
    Form2().Label11Click();
    EXPECT_TRUE(Begging().spSkinCheckRadioBox1.Checked());
    EXPECT_FALSE(Begging().spSkinCheckRadioBox3.Checked());
    EXPECT_TRUE(Begging().spSkinCheckRadioBox6.Checked()) << "choosing a place leaves the phrase";
}

TEST_F(StreetTest, BeggingIsModalRefusesWithoutAChoiceAndStaysOpenAfterSuccess) {
    seed = SeedWhere(101, [](std::uint32_t r) { return r > 42; });
    bool mainTookInput = false;
    driver.Script([&] {
        EXPECT_TRUE(Begging().IsModal());
        const int before = State().Money;
        Form2().Label40->OnClick = [&](platform::TLabel&) { mainTookInput = true; };
        driver.ClickControl(*Form2().Label40);
        EXPECT_EQ(State().Money, before);
    });
    driver.Script([&] { driver.ClickControl(Begging().spSkinButton1); });
    driver.Script([&] { driver.PressKey(platform::Key::Return); });  // answers the warning
    driver.Script([&] {
        driver.ClickControl(Begging().spSkinCheckRadioBox3);
        driver.ClickControl(Begging().spSkinCheckRadioBox6);
        driver.ClickControl(Begging().spSkinButton1);
    });
    driver.Script([&] { EXPECT_TRUE(Begging().Visible()) << "a success keeps the dialog open"; });
    Form2().Label11Click();
    EXPECT_FALSE(mainTookInput) << "the main window takes no input while begging";
    ASSERT_GE(driver.Messages().size(), 2u);
    EXPECT_EQ(driver.Messages()[0].text, "И над кем ты решил подшутить?");
    EXPECT_EQ(driver.Messages()[0].title, "Warning");
    EXPECT_EQ(driver.Messages()[1].text.rfind("Отлично! Вы собрали ", 0), 0u);
    EXPECT_EQ(State().Notoriety, 15);
    EXPECT_GT(State().Money, 1000);
}

TEST_F(StreetTest, ABeatingAtTheSupermarketCostsFifteenLiverAndClosesTheDialog) {
    State().Notoriety = 90;
    driver.Script([&] {
        driver.ClickControl(Begging().spSkinCheckRadioBox3);
        driver.ClickControl(Begging().spSkinCheckRadioBox4);
        driver.ClickControl(Begging().spSkinButton1);
    });
    Form2().Label11Click();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Охрана прогнала вас, хорошо вломив по печени"});
    EXPECT_EQ(State().Liver, 75);
    EXPECT_FALSE(Begging().Visible());
}

TEST_F(StreetTest, ThePlaceHintFollowsThePointer) {
    driver.Script([&] {
        driver.MoveTo(Begging(), driver.CenterOf(Begging().spSkinCheckRadioBox2));
        EXPECT_EQ(Begging().Label1.Caption(), "Можно собрать больше. Гопоты тоже больше ))");
        driver.MoveTo(Begging(), Begging().spSkinGroupBox1.ClientToWindow({250, 110}));
        EXPECT_EQ(Begging().Label1.Caption(), "");
    });
    Form2().Label11Click();
}

TEST_F(StreetTest, TheReturnSliderReachesTheBottlesHeldAndFollowsEachReturn) {
    Form2().Label13Click();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Нет бутылок!"});
    EXPECT_FALSE(Return().Visible());

    State().Bottles = 40;
    State().Money = 5;
    Form2().Label13Click();
    ASSERT_TRUE(Return().Visible());
    EXPECT_EQ(Return().Caption(), "Сдаем бутылки");
    EXPECT_EQ(Return().spSkinTrackBar1.MaxValue(), 40);
    EXPECT_EQ(Return().Label2.Caption(), "1");
    Return().spSkinTrackBar1.SetValue(30);
    EXPECT_EQ(Return().Label2.Caption(), "30");
    driver.ClickControl(Return().spSkinButton1);
    EXPECT_EQ(State().Money, 35);
    EXPECT_EQ(State().Bottles, 10);
    EXPECT_EQ(Form2().Label40->Caption(), "Деньги: 35");
    EXPECT_TRUE(Return().Visible());
    EXPECT_EQ(Return().spSkinTrackBar1.MaxValue(), 10);
    EXPECT_EQ(Return().spSkinTrackBar1.Value(), 1);

    Return().spSkinTrackBar1.SetValue(10);
    driver.ClickControl(Return().spSkinButton1);
    EXPECT_EQ(State().Bottles, 0);
    EXPECT_FALSE(Return().Visible()) << "returning the last bottle closes it";
}

TEST_F(StreetTest, TheReturnSliderKeepsItsPositionButNotAboveTheBottlesFoundSince) {
    State().Bottles = 50;
    Form2().Label13Click();
    Return().spSkinTrackBar1.SetValue(45);
    Return().Hide();
    State().Bottles = 20;
    Form2().Label13Click();
    EXPECT_EQ(Return().spSkinTrackBar1.MaxValue(), 20);
    EXPECT_EQ(Return().spSkinTrackBar1.Value(), 20);
    EXPECT_EQ(Return().Label2.Caption(), "20");
}

}  // namespace
