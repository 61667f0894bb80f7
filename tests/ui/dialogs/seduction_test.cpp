#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace {

using uitest::DialogTest;

class SeductionTest : public DialogTest {
protected:
    ui::TForm3& Dialog() const { return program->Form3(); }
};

TEST_F(SeductionTest, WithoutRosesTheButtonIsOffAndEscapeLeavesWithoutActing) {
    Form2().Label5Click();
    ASSERT_TRUE(Dialog().Visible());
    EXPECT_EQ(Cues(), std::vector<std::string>{"sound/zapusk.wav"});
    EXPECT_EQ(Dialog().Caption(), "Соблазнение Дуньки");
    EXPECT_EQ(Dialog().Label1.Caption(), "Роз нет! Что дарить то?");
    EXPECT_EQ(Dialog().Label2.Caption(), "0");
    EXPECT_FALSE(Dialog().spSkinButton1.Enabled());
    EXPECT_EQ(Dialog().spPngImageView1.ImageIndex(), 11);
    const game::GameState before = State();
    driver.PressKey(platform::Key::Escape);
    EXPECT_FALSE(Dialog().Visible());
    EXPECT_EQ(State(), before);
}

TEST_F(SeductionTest, EscapeDoesNotCloseItWhileThereAreRosesToGive) {
    State().Roses = 2;
    Form2().Label5Click();
    driver.PressKey(platform::Key::Escape);
    EXPECT_TRUE(Dialog().Visible());
}

TEST_F(SeductionTest, RosesBoughtWhileItIsOpenEmptyAreOfferedWhenItIsShownAgain) {
    Form2().Label5Click();
    State().Roses = 3;
    Form2().Label5Click();
    EXPECT_EQ(Dialog().Label1.Caption(), "Сколько роз дарим?");
    EXPECT_TRUE(Dialog().spSkinButton1.Enabled());
    EXPECT_EQ(Dialog().spSkinTrackBar1.MinValue(), 1);
    EXPECT_EQ(Dialog().spSkinTrackBar1.MaxValue(), 3);
    EXPECT_EQ(Dialog().Label2.Caption(), "1");
}

TEST_F(SeductionTest, OneRoseSucceedsOnlyFromEightyAndBringsMoonshineWithDunkasCue) {
    State().Roses = 1;
    seed = SeedWhere(100, [](std::uint32_t r) { return r == 80; });
    Form2().Label5Click();
    driver.ClickControl(Dialog().spSkinButton1);
    EXPECT_EQ(State().Roses, 0);
    EXPECT_GE(State().Moonshine, 6);
    EXPECT_LE(State().Moonshine, 10);
    EXPECT_EQ(Cues().back(), "sound/dunka.wav");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Дуньке понравилось! Она дала вам " +
                                                       std::to_string(State().Moonshine) + " бутылок самогона!"});
    EXPECT_FALSE(Dialog().Visible());

    State().Roses = 1;
    seed = SeedWhere(100, [](std::uint32_t r) { return r == 79; });
    Form2().Label5Click();
    driver.ClickControl(Dialog().spSkinButton1);
    EXPECT_EQ(MessageTexts().back(), "Дунька отказала");
    EXPECT_EQ(State().Roses, 0) << "the rose is given whatever she answers";
}

TEST_F(SeductionTest, TenRosesAreAllGivenAndSucceedFromTwenty) {
    State().Roses = 10;
    seed = SeedWhere(100, [](std::uint32_t r) { return r == 20; });
    Form2().Label5Click();
    Dialog().spSkinTrackBar1.SetValue(10);
    EXPECT_EQ(Dialog().Label2.Caption(), "10");
    driver.ClickControl(Dialog().spSkinButton1);
    EXPECT_EQ(State().Roses, 0);
    EXPECT_GE(State().Moonshine, 6);
}

}  // namespace
