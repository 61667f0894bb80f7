#include "controls/buttons/glyph_layout.h"

#include <gtest/gtest.h>

#include "gfx/text.h"

namespace {

using controls::GlyphPlacement;
using controls::LayoutGlyphAndText;
using controls::TButtonLayout;

const gfx::Font kFont{"Arial", 14, 0, 0};

TEST(GlyphCell, PicksTheCellForTheState) {
    EXPECT_EQ(controls::GlyphCell(1, false, false, false), 1);  // disabled with one cell: cell 1
    EXPECT_EQ(controls::GlyphCell(2, false, false, false), 2);
    EXPECT_EQ(controls::GlyphCell(2, true, true, true), 1);
    EXPECT_EQ(controls::GlyphCell(3, true, true, true), 3);
    EXPECT_EQ(controls::GlyphCell(3, true, true, false), 1);
    EXPECT_EQ(controls::GlyphCell(4, true, true, false), 4);
}

TEST(GlyphCellRect, SlicesTheStripIntoEqualCells) {
    const gfx::Bitmap strip(64, 16);
    EXPECT_EQ(controls::GlyphCellRect(strip, 4, 2), (gfx::Rect{16, 0, 32, 16}));
    EXPECT_EQ(controls::GlyphCellRect(strip, 1, 1), strip.rect());
    EXPECT_TRUE(controls::GlyphCellRect(strip, 2, 3).empty());
}

TEST(LayoutGlyphAndText, CentredTogetherWithMarginMinusOne) {
    const gfx::Rect r{0, 0, 100, 30};
    const int tw = gfx::MeasureText(kFont, "Ok", {0, 0, 84, 30}, gfx::dtCenter | gfx::dtWordBreak).width();
    const auto layout = LayoutGlyphAndText(r, {16, 16}, "Ok", kFont, {-1, 4, TButtonLayout::blGlyphLeft}, false);
    const int half = (16 + tw + 4) / 2;
    EXPECT_EQ(layout.Glyph, (gfx::Point{50 - half, 15 - 8}));
    EXPECT_EQ(layout.Text.right, 50 + half);
    EXPECT_EQ(layout.Text.width(), tw);
}

TEST(LayoutGlyphAndText, MarginPlacesTheGlyphFromTheEdge) {
    const gfx::Rect r{10, 0, 110, 40};
    const auto left = LayoutGlyphAndText(r, {16, 16}, "Ok", kFont, {3, 2, TButtonLayout::blGlyphLeft}, false);
    EXPECT_EQ(left.Glyph.x, 13);
    EXPECT_EQ(left.Text.left, 13 + 16 + 2);
    const auto right = LayoutGlyphAndText(r, {16, 16}, "Ok", kFont, {3, 2, TButtonLayout::blGlyphRight}, false);
    EXPECT_EQ(right.Glyph.x, 110 - 16 - 3);
    EXPECT_EQ(right.Text.right, right.Glyph.x - 2);
    const auto top = LayoutGlyphAndText(r, {16, 16}, "Ok", kFont, {3, 2, TButtonLayout::blGlyphTop}, false);
    EXPECT_EQ(top.Glyph, (gfx::Point{60 - 8, 3}));
    EXPECT_EQ(top.Text.top, 3 + 16 + 2);
}

TEST(LayoutGlyphAndText, WithoutAGlyphSpacingCountsForNothingAndDownMovesByOne) {
    const gfx::Rect r{0, 0, 100, 30};
    const auto up = LayoutGlyphAndText(r, {}, "Ok", kFont, {-1, 20, TButtonLayout::blGlyphLeft}, false);
    const auto down = LayoutGlyphAndText(r, {}, "Ok", kFont, {-1, 20, TButtonLayout::blGlyphLeft}, true);
    // Spacing 20 would push the caption 10 pixels right; without a glyph it is centred.
    EXPECT_EQ(up.Text.right, 50 + up.Text.width() / 2);
    EXPECT_EQ(down.Text, up.Text.translated(1, 1));
}

}  // namespace
