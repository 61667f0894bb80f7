#include "game/start.h"

#include <gtest/gtest.h>

#include <string>

#include "fixture.h"
#include "game/texts.h"

using game::MessageKind;

namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

TEST(NameTest, ThirtyFiveCharactersAreAcceptedThirtySixAreNot) {
    EXPECT_FALSE(game::RefuseName(Repeat("Ж", 35))) << "Cyrillic counts by character, not byte";
    EXPECT_FALSE(game::RefuseName(Repeat("a", 35)));
    for (const std::string& name : {Repeat("Ж", 36), Repeat("a", 36)}) {
        const auto refusal = game::RefuseName(name);
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->kind, MessageKind::Warning);
        EXPECT_EQ(refusal->Title(), "Warning");
        EXPECT_EQ(refusal->text, "Слишком длинное имя. Будте проще!");
    }
}

TEST(NameTest, EmptyIsRefusedButBlanksAreAName) {
    const auto refusal = game::RefuseName("");
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->kind, MessageKind::Warning);
    EXPECT_EQ(refusal->text, "Странное какое-то имя )))");
    EXPECT_FALSE(game::RefuseName("   "));
    EXPECT_EQ(game::MainWindowTitle("Вася  "), "Burdomir - Вася  ");
}

class PromptTest : public gametest::GameTest {};

TEST_F(PromptTest, EachDrawPicksItsPrompt) {
    const char* expected[] = {"Выберите имя синюшника:", "И как назовем алконавта?",
                              "Введите имя алкача:", "Как назовемся?", "Какое имя дадим алкозавру?"};
    for (uint32_t draw = 0; draw < 5; ++draw) {
        PinDraw(draw, 5);
        EXPECT_EQ(game::ChoosePrompt(game), expected[draw]);
    }
    EXPECT_EQ(reseeds, 5);
}

}  // namespace
