#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/font.h"
#include "gfx/text.h"

namespace {

using gfx::Rect;

gfx::Font Arial(int height) {
    gfx::Font font;
    font.Name = "Arial";
    font.Height = height;
    return font;
}

// The explanation under the stage countdown on the body tab.
constexpr const char* kExplanation =
    "Меняется если в течении 4-х дней нажратость была выже 50%. С увеличением стадии все больше "
    "требуется алкоголя и медикаментов, но еды нужно значительно меньше.";

TEST(TextWidthTest, IsTheSumOfItsParts) {
    const gfx::Font font = Arial(-16);
    EXPECT_EQ(gfx::TextWidth(font, ""), 0);
    EXPECT_EQ(gfx::TextWidth(font, "Деньги: 1000"), gfx::TextWidth(font, "Деньги: ") + gfx::TextWidth(font, "1000"));
    EXPECT_GT(gfx::TextWidth(font, "Ж"), gfx::TextWidth(font, "i"));
}

TEST(TextWidthTest, MonospacedFamilyGivesEqualAdvances) {
    gfx::Font font = Arial(-13);
    font.Name = "Courier New";
    const int one = gfx::TextWidth(font, "Щ");
    EXPECT_GT(one, 0);
    EXPECT_EQ(gfx::TextWidth(font, "iЩm.Ы"), 5 * one);
}

TEST(TextWidthTest, ControlCharactersTakeNoRoom) {
    const gfx::Font font = Arial(-11);
    EXPECT_EQ(gfx::TextWidth(font, "а\tб\r\n"), gfx::TextWidth(font, "аб"));
}

TEST(MeasureTextTest, SingleLineIsOneCellHighAtTheBoxOrigin) {
    const gfx::Font font = Arial(-16);
    const Rect r = gfx::MeasureText(font, "Деньги: 1000", {16, 376, 153, 401}, gfx::dtSingleLine);
    EXPECT_EQ(r, Rect::from_size(16, 376, gfx::TextWidth(font, "Деньги: 1000"), 18));
}

TEST(MeasureTextTest, EmptyTextIsOneEmptyLineOnlyInSingleLineMode) {
    const gfx::Font font = Arial(14);
    EXPECT_EQ(gfx::MeasureText(font, "", {5, 5, 50, 50}, gfx::dtSingleLine), Rect(5, 5, 5, 19));
    EXPECT_EQ(gfx::MeasureText(font, "", {5, 5, 50, 50}, gfx::dtWordBreak), Rect(5, 5, 5, 5));
}

TEST(MeasureTextTest, LineBreaksStartNewLinesUnlessSingleLine) {
    const gfx::Font font = Arial(14);
    const Rect box{0, 0, 300, 300};
    EXPECT_EQ(gfx::MeasureText(font, "Пиво\nВодка", box, 0).height(), 28);
    EXPECT_EQ(gfx::MeasureText(font, "Пиво\r\nВодка", box, 0).height(), 28);
    EXPECT_EQ(gfx::MeasureText(font, "Пиво\rВодка\n\nХлеб", box, 0).height(), 56);
    // A final break ends the last line; it does not open another.
    EXPECT_EQ(gfx::MeasureText(font, "Пиво\n", box, 0).height(), 14);
    EXPECT_EQ(gfx::MeasureText(font, "Пиво\nВодка", box, gfx::dtSingleLine).height(), 14);
    EXPECT_EQ(gfx::MeasureText(font, "Пиво\nВодка", box, gfx::dtSingleLine).width(), gfx::TextWidth(font, "ПивоВодка"));
    EXPECT_EQ(gfx::MeasureText(font, "Пиво\nВодка", box, 0).width(), gfx::TextWidth(font, "Водка"));
}

TEST(WordBreak, ExplanationLabelWrapsIntoItsBox) {
    const gfx::Font font = Arial(-11);
    const Rect box = Rect::from_size(24, 280, 369, 41);
    const Rect r = gfx::MeasureText(font, kExplanation, box, gfx::dtWordBreak);
    EXPECT_EQ(r.top_left(), box.top_left());
    EXPECT_LE(r.width(), 369);
    EXPECT_GT(r.width(), 300);
    EXPECT_EQ(r.height(), 3 * gfx::TextHeight(font));
    EXPECT_LE(r.height(), box.height());
}

TEST(WordBreak, BreaksAtTheLastSpaceThatFitsAndDropsIt) {
    const gfx::Font font = Arial(14);
    const int first = gfx::TextWidth(font, "Пить пиво");
    const Rect box{0, 0, first + gfx::TextWidth(font, " д"), 100};
    const Rect r = gfx::MeasureText(font, "Пить пиво дома", box, gfx::dtWordBreak);
    EXPECT_EQ(r.height(), 28);
    EXPECT_EQ(r.width(), first);
}

TEST(WordBreak, WordWiderThanTheBoxIsBroken) {
    const gfx::Font font = Arial(14);
    const std::string word = "Нажратостьнажратость";
    const int box = gfx::TextWidth(font, word) / 2;
    const Rect r = gfx::MeasureText(font, word, {0, 0, box, 500}, gfx::dtWordBreak);
    EXPECT_GE(r.height(), 2 * 14);
    EXPECT_LE(r.width(), box);
}

TEST(WordBreak, BoxNarrowerThanOneCharacterStillEnds) {
    const gfx::Font font = Arial(14);
    const Rect r = gfx::MeasureText(font, "Ёж и уж", {0, 0, 1, 1}, gfx::dtWordBreak);
    // One character a line; the spaces go where the lines break.
    EXPECT_EQ(r.height(), 5 * 14);
    int widest = 0;
    for (const char* c : {"Ё", "ж", "и", "у"}) widest = std::max(widest, gfx::TextWidth(font, c));
    EXPECT_EQ(r.width(), widest);
}

TEST(WordBreak, SingleLineWins) {
    const gfx::Font font = Arial(14);
    const Rect r = gfx::MeasureText(font, kExplanation, {0, 0, 100, 100}, gfx::dtWordBreak | gfx::dtSingleLine);
    EXPECT_EQ(r.height(), 14);
    EXPECT_EQ(r.width(), gfx::TextWidth(font, kExplanation));
}

TEST(Prefixes, AmpersandsArePrefixesUnlessTurnedOff) {
    const gfx::Font font = Arial(14);
    const Rect box{0, 0, 500, 50};
    const int plain = gfx::TextWidth(font, "Выпить");
    EXPECT_EQ(gfx::MeasureText(font, "&Выпить", box, gfx::dtSingleLine).width(), plain);
    EXPECT_EQ(gfx::MeasureText(font, "&Выпить", box, gfx::dtSingleLine | gfx::dtHidePrefix).width(), plain);
    EXPECT_EQ(gfx::MeasureText(font, "&Выпить", box, gfx::dtSingleLine | gfx::dtNoPrefix).width(),
              gfx::TextWidth(font, "&Выпить"));
    EXPECT_EQ(gfx::MeasureText(font, "Хлеб && соль", box, gfx::dtSingleLine).width(),
              gfx::TextWidth(font, "Хлеб & соль"));
    EXPECT_EQ(gfx::MeasureText(font, "Конец&", box, gfx::dtSingleLine).width(), gfx::TextWidth(font, "Конец"));
}

TEST(Tabs, ExpandToEveryEighthAverageWidth) {
    const gfx::Font font = Arial(-16);
    const int stop = 8 * gfx::GetFontMetrics(font).AverageWidth;
    const Rect box{0, 0, 1000, 50};
    const unsigned f = gfx::dtSingleLine | gfx::dtExpandTabs;
    EXPECT_EQ(gfx::MeasureText(font, "\tx", box, f).width(), stop + gfx::TextWidth(font, "x"));
    EXPECT_EQ(gfx::MeasureText(font, "ab\tx", box, f).width(), stop + gfx::TextWidth(font, "x"));
    const std::string wide(40, 'W');
    const int wideWidth = gfx::TextWidth(font, wide);
    EXPECT_EQ(gfx::MeasureText(font, wide + "\t", box, f).width(), (wideWidth / stop + 1) * stop);
    EXPECT_EQ(gfx::MeasureText(font, "\tx", box, gfx::dtSingleLine).width(), gfx::TextWidth(font, "x"));
}

TEST(Ellipsis, TextThatFitsIsLeftWhole) {
    const gfx::Font font = Arial(14);
    const std::string text = "Рядовой";
    EXPECT_EQ(gfx::EllipsizeEnd(font, text, gfx::TextWidth(font, text)), text);
    EXPECT_EQ(gfx::EllipsizeEnd(font, "", 0), "");
}

TEST(Ellipsis, OneCharacterTooLongLosesCharactersAndEndsInDots) {
    const gfx::Font font = Arial(14);
    const std::string text = "Зам. Главного";
    const int width = gfx::TextWidth(font, text) - 1;
    const std::string shortened = gfx::EllipsizeEnd(font, text, width);
    ASSERT_GE(shortened.size(), 3u);
    EXPECT_EQ(shortened.substr(shortened.size() - 3), "...");
    const std::string kept = shortened.substr(0, shortened.size() - 3);
    EXPECT_LT(gfx::DecodeUtf8(kept).size(), gfx::DecodeUtf8(text).size());
    EXPECT_EQ(text.substr(0, kept.size()), kept);
    EXPECT_LE(gfx::TextWidth(font, shortened), width);
    // As few characters as possible were removed: one more would not fit.
    const std::u32string all = gfx::DecodeUtf8(text);
    const std::u32string oneMore = all.substr(0, gfx::DecodeUtf8(kept).size() + 1);
    EXPECT_GT(gfx::TextWidth(font, gfx::EncodeUtf8(oneMore) + "..."), width);
}

TEST(Ellipsis, NothingLeftButTheDotsInATinyBox) {
    const gfx::Font font = Arial(14);
    EXPECT_EQ(gfx::EllipsizeEnd(font, "Бригадир", 3), "...");
    EXPECT_EQ(gfx::EllipsizeEnd(font, "Бригадир", -10), "...");
}

TEST(Ellipsis, FormatFlagShortensMeasuredLines) {
    const gfx::Font font = Arial(14);
    const std::string text = "Учиться у сенсея Сунь Хрен Вчай";
    const int width = gfx::TextWidth(font, text) / 2;
    const Rect r = gfx::MeasureText(font, text, {0, 0, width, 20}, gfx::dtSingleLine | gfx::dtEndEllipsis);
    EXPECT_LE(r.width(), width);
    EXPECT_EQ(r.width(), gfx::TextWidth(font, gfx::EllipsizeEnd(font, text, width)));
}

}  // namespace
