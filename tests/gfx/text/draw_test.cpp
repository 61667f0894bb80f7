#include <gtest/gtest.h>

#include "gfx/bitmap.h"
#include "gfx/font.h"
#include "gfx/painter.h"
#include "gfx/text.h"

namespace {

using gfx::Bitmap;
using gfx::Pixel;
using gfx::Rect;

constexpr Pixel kPaper = 0xFFFFFFFFu;
constexpr Pixel kInk = 0xFF000000u;

gfx::Font Arial(int height, std::uint8_t style = 0) {
    gfx::Font font;
    font.Name = "Arial";
    font.Height = height;
    font.Style = style;
    font.FontColor = gfx::clBlack;
    return font;
}

// The smallest rectangle holding every pixel that is not paper; empty when none is.
Rect InkBounds(const Bitmap& image) {
    Rect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.at(x, y) != kPaper) bounds = bounds.united(Rect::from_size(x, y, 1, 1));
        }
    }
    return bounds;
}

int FullInkInRow(const Bitmap& image, int y, int left, int right) {
    int count = 0;
    for (int x = left; x < right; ++x) count += image.at(x, y) == kInk;
    return count;
}

Bitmap Draw(const gfx::Font& font, const std::string& text, Rect box, unsigned format) {
    Bitmap image(200, 60, kPaper);
    gfx::Painter painter(image);
    painter.DrawText(font, text, box, format);
    return image;
}

TEST(DrawTextTest, InkStaysInsideTheCellOfTheLine) {
    const gfx::Font font = Arial(-16);
    const Bitmap image = Draw(font, "Деньги: 1000", {10, 5, 190, 55}, gfx::dtLeft);
    const Rect ink = InkBounds(image);
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + gfx::TextWidth(font, "Деньги: 1000") + 1);
    EXPECT_GE(ink.top, 5);
    EXPECT_LE(ink.bottom, 5 + 18);
    // Capitals and digits stand on the baseline, the last row of the ascent.
    EXPECT_GT(FullInkInRow(image, 5 + 15 - 1, 10, 190), 0);
}

TEST(DrawTextTest, DrawingTwiceGivesTheSamePixels) {
    const gfx::Font font = Arial(-11);
    EXPECT_EQ(Draw(font, "Сытость: 50/100", {0, 0, 200, 60}, 0), Draw(font, "Сытость: 50/100", {0, 0, 200, 60}, 0));
}

TEST(DrawTextTest, ExplicitColourOverridesTheFontColour) {
    gfx::Font font = Arial(-16);
    font.FontColor = 0x0000FF;  // red in 0x00BBGGRR
    Bitmap red(60, 30, kPaper);
    gfx::Painter(red).DrawText(font, "Ж", {0, 0, 60, 30}, 0);
    Bitmap blue(60, 30, kPaper);
    gfx::Painter(blue).DrawText(font, "Ж", {0, 0, 60, 30}, 0, 0xFF0000FFu);
    bool sawRed = false, sawBlue = false;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            sawRed |= red.at(x, y) == 0xFFFF0000u;
            sawBlue |= blue.at(x, y) == 0xFF0000FFu;
        }
    }
    EXPECT_TRUE(sawRed);
    EXPECT_TRUE(sawBlue);
}

TEST(DrawTextTest, ClippedToTheBoxUnlessNoClip) {
    const gfx::Font font = Arial(-16);
    const Rect box{20, 10, 50, 40};
    const Rect clipped = InkBounds(Draw(font, "Пожрать и выпить", box, gfx::dtSingleLine));
    EXPECT_TRUE(box.contains(clipped)) << clipped.left << "," << clipped.right;
    EXPECT_EQ(clipped.right, box.right);
    const Rect free = InkBounds(Draw(font, "Пожрать и выпить", box, gfx::dtSingleLine | gfx::dtNoClip));
    EXPECT_GT(free.right, box.right + 40);
}

TEST(DrawTextTest, MeasuringFlagDrawsNothing) {
    const Bitmap image = Draw(Arial(-16), "Лечить", {0, 0, 200, 60}, gfx::dtCalcRect);
    EXPECT_TRUE(InkBounds(image).empty());
}

TEST(DrawTextTest, HorizontalAlignmentPlacesTheLine) {
    const gfx::Font font = Arial(-16);
    const Rect box{10, 0, 190, 30};
    const int width = gfx::TextWidth(font, "ЖЖЖ");
    const Rect left = InkBounds(Draw(font, "ЖЖЖ", box, gfx::dtLeft));
    const Rect right = InkBounds(Draw(font, "ЖЖЖ", box, gfx::dtRight));
    const Rect centre = InkBounds(Draw(font, "ЖЖЖ", box, gfx::dtCenter));
    EXPECT_EQ(right.left - left.left, box.width() - width);
    EXPECT_EQ(centre.left - left.left, box.width() / 2 - width / 2);
    EXPECT_EQ(right.width(), left.width());
}

TEST(DrawTextTest, VerticalPlacementOfASingleLine) {
    const gfx::Font font = Arial(-16);
    const Rect box{0, 0, 200, 60};
    const Rect top = InkBounds(Draw(font, "Ж", box, gfx::dtSingleLine));
    const Rect middle = InkBounds(Draw(font, "Ж", box, gfx::dtSingleLine | gfx::dtVCenter));
    const Rect bottom = InkBounds(Draw(font, "Ж", box, gfx::dtSingleLine | gfx::dtBottom));
    EXPECT_EQ(middle.top - top.top, 60 / 2 - 18 / 2);
    EXPECT_EQ(bottom.top - top.top, 60 - 18);
    // Without dtSingleLine the vertical flags mean nothing.
    EXPECT_EQ(InkBounds(Draw(font, "Ж", box, gfx::dtVCenter)), top);
}

TEST(DrawTextTest, UnderlineSpansTheLineAndAcceleratorOnlyItsCharacter) {
    const gfx::Font plain = Arial(-16);
    const Rect box{0, 0, 200, 60};
    const int width = gfx::TextWidth(plain, "ПИВО");
    const int firstWidth = gfx::TextWidth(plain, "П");

    const Bitmap underlined = Draw(Arial(-16, gfx::fsUnderline), "ПИВО", box, 0);
    const Bitmap accelerated = Draw(plain, "&ПИВО", box, 0);
    const Bitmap hidden = Draw(plain, "&ПИВО", box, gfx::dtHidePrefix);
    const Bitmap none = Draw(plain, "ПИВО", box, 0);
    int underlineRow = -1;
    for (int y = 15; y < 18; ++y) {
        if (FullInkInRow(underlined, y, 0, 200) == width) underlineRow = y;
    }
    ASSERT_GE(underlineRow, 15) << "no solid underline below the baseline";
    EXPECT_EQ(FullInkInRow(accelerated, underlineRow, 0, 200), firstWidth);
    EXPECT_EQ(FullInkInRow(accelerated, underlineRow, 0, firstWidth), firstWidth);
    EXPECT_EQ(hidden, none);
}

TEST(DrawTextTest, StrikeOutCrossesTheLetters) {
    const gfx::Font plain = Arial(-16);
    const Bitmap struck = Draw(Arial(-16, gfx::fsStrikeOut), "пиво", {0, 0, 200, 60}, 0);
    const int width = gfx::TextWidth(plain, "пиво");
    int solidRows = 0;
    for (int y = 5; y < 15; ++y) solidRows += FullInkInRow(struck, y, 0, 200) == width;
    EXPECT_GE(solidRows, 1);
}

TEST(DrawTextTest, WrappedLinesFollowEachOtherByTheCellHeight) {
    const gfx::Font font = Arial(-11);
    const Rect box{0, 0, 200, 60};
    const Bitmap two = Draw(font, "Ж\nЖ", box, 0);
    const Bitmap one = Draw(font, "Ж", box, 0);
    const Rect first = InkBounds(one);
    const Rect both = InkBounds(two);
    EXPECT_EQ(both.top, first.top);
    EXPECT_EQ(both.bottom, first.bottom + gfx::TextHeight(font));
}

TEST(DrawTextTest, HonoursThePainterTranslationAndClip) {
    const gfx::Font font = Arial(-16);
    Bitmap image(200, 60, kPaper);
    gfx::Painter painter(image);
    painter.Translate({50, 10});
    painter.ClipRect({0, 0, 30, 40});
    painter.DrawText(font, "Деньги", {0, 0, 200, 40}, gfx::dtSingleLine);
    const Rect ink = InkBounds(image);
    EXPECT_GE(ink.left, 50);
    EXPECT_LE(ink.right, 80);
    EXPECT_GE(ink.top, 10);
    // The box's clip is undone afterwards; the painter's own stays.
    painter.DrawText(font, "Деньги", {0, 0, 5, 5}, 0);
    painter.FillRect({20, 30, 21, 31}, 0xFFFF0000u);
    painter.FillRect({40, 30, 41, 31}, 0xFFFF0000u);
    EXPECT_EQ(image.at(70, 40), 0xFFFF0000u);
    EXPECT_EQ(image.at(90, 40), kPaper);
}

TEST(DrawTextEllipsis, ALineExactlyAsWideAsItsBoxKeepsEveryCharacter) {
    const gfx::Font font = Arial(-13);
    for (const char* text : {"Рядовой", "Зам. Главного", "Бригадир!"}) {
        const int width = gfx::TextWidth(font, text);
        for (const unsigned layout : {gfx::dtSingleLine, gfx::dtWordBreak}) {
            Bitmap plain(width + 10, 20, kPaper), ellipsized(width + 10, 20, kPaper);
            gfx::Painter(plain).DrawText(font, text, {0, 0, width, 20}, layout);
            gfx::Painter(ellipsized).DrawText(font, text, {0, 0, width, 20}, layout | gfx::dtEndEllipsis);
            EXPECT_EQ(ellipsized, plain) << text << " layout " << layout;
            const Rect measured = gfx::MeasureText(font, text, {0, 0, width, 20}, layout | gfx::dtEndEllipsis);
            EXPECT_EQ(measured.width(), width) << text << " layout " << layout;
        }
    }
}
}  // namespace
