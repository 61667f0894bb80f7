#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "game/tables.h"
#include "ui/program_fixture.h"

namespace {

using uitest::ProgramTest;

class StartWindowTest : public ProgramTest {
protected:
    // Types a name into the empty box and presses "Начать игру".
    void Submit(const std::string& name) {
        Form1().spSkinEdit1.SetText(name);
        driver.ClickControl(Form1().spSkinButton1);
    }
};

TEST_F(StartWindowTest, AnEmptyNameIsRefusedAndTheWindowKeepsAsking) {
    AnswerNextMessage();
    Submit("");
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(driver.Messages()[0].title, "Warning");
    EXPECT_EQ(driver.Messages()[0].text, "Странное какое-то имя )))");
    EXPECT_TRUE(Form1().Visible());
    EXPECT_FALSE(Form2().Visible());
    EXPECT_TRUE(Form1().PlayerName.empty());
}

TEST_F(StartWindowTest, ThirtyFiveCharactersAreANameAndThirtySixAreNot) {
    const std::string cyrillic36 = [] {
        std::string s;
        for (int i = 0; i < 36; ++i) s += "Ж";
        return s;
    }();
    AnswerNextMessage();
    Submit(cyrillic36);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].text, "Слишком длинное имя. Будте проще!");
    EXPECT_EQ(Form1().spSkinEdit1.Text(), cyrillic36) << "a refused name stays in the box";
    EXPECT_FALSE(Form2().Visible());

    const std::string cyrillic35 = cyrillic36.substr(2);
    Submit(cyrillic35);
    EXPECT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(Form1().PlayerName, cyrillic35);
    EXPECT_FALSE(Form1().Visible());
    EXPECT_TRUE(Form2().Visible());
}

TEST_F(StartWindowTest, ANameOfBlanksIsKeptAsTypedInTheMainWindowsCaption) {
    Submit("   ");
    EXPECT_TRUE(driver.Messages().empty());
    EXPECT_EQ(Form2().Caption(), "Burdomir -    ");
    EXPECT_TRUE(Form2().IsActive()) << "the main window takes the focus, which starts the clock";
    EXPECT_TRUE(Form2().Timer1.Enabled());
}

TEST_F(StartWindowTest, EnterInTheNameBoxStartsTheGame) {
    driver.Type("Вася ");
    driver.PressKey(platform::Key::Return);
    EXPECT_EQ(Form1().PlayerName, "Вася ");
    EXPECT_EQ(Form2().Caption(), "Burdomir - Вася ");
}

TEST(StartWindowPromptTest, EachPromptIsDrawnForTheSeedThatLandsInItsFifth) {
    // Seeds whose first draw falls in the middle of each fifth of the generator's range.
    const std::uint32_t seeds[] = {0x8ab3beb8u, 0x2c0a368fu, 0xcd60ae66u, 0x6eb7263du, 0x100d9e14u};
    for (size_t i = 0; i < std::size(seeds); ++i) {
        platform::headless::Driver driver;
        ui::Program program(driver.App(), [seed = seeds[i]] { return seed; });
        EXPECT_EQ(program.Form1().spSkinLabel1.Caption(), game::NamePrompts()[i]);
    }
}

}  // namespace
