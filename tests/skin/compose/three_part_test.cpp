#include "skin/compose/three_part.h"

#include <gtest/gtest.h>

#include "compose_fixture.h"
#include "gfx/painter.h"
#include "skin/compose/tiling.h"

using composetest::CoordinatePicture;
using composetest::SourceColumns;
using composetest::SourceRows;
using V = std::vector<int>;

namespace {

TEST(ComposeHorzImage, TilesTheMiddleAndCutsTheLastTileAtTheRightPart) {
    // Source columns 2..6 of the picture: left part column 2, middle 3..5, right part column 6.
    const gfx::Bitmap pic = CoordinatePicture(10, 4);
    gfx::Bitmap image;
    skin::ComposeHorzImage(image, pic, {2, 1, 7, 3}, 1, 1, 10, false);
    ASSERT_EQ(image.size(), (gfx::Size{10, 2}));
    EXPECT_EQ(SourceColumns(image, 0), (V{2, 3, 4, 5, 3, 4, 5, 3, 4, 6}));
    EXPECT_EQ(SourceRows(image, 0), (V{1, 2}));
}

TEST(ComposeHorzImage, StretchesTheMiddleByPixelCentres) {
    const gfx::Bitmap pic = CoordinatePicture(5, 1);
    gfx::Bitmap image;
    skin::ComposeHorzImage(image, pic, {0, 0, 5, 1}, 1, 1, 9, true);
    // Seven target columns from three: source 1 + floor((i + 0.5) * 3 / 7).
    EXPECT_EQ(SourceColumns(image, 0), (V{0, 1, 1, 2, 2, 2, 3, 3, 4}));
}

TEST(ComposeHorzImage, AZeroWideMiddleRepeatsOneColumnInsteadOfDividingByZero) {
    const gfx::Bitmap pic = CoordinatePicture(4, 1);
    gfx::Bitmap image;
    skin::ComposeHorzImage(image, pic, {0, 0, 4, 1}, 2, 2, 7, false);
    EXPECT_EQ(SourceColumns(image, 0), (V{0, 1, 2, 2, 2, 2, 3}));
}

TEST(ComposeHorzImage, ANarrowerTargetKeepsBothEndsAndDrawsNoMiddle) {
    const gfx::Bitmap pic = CoordinatePicture(6, 1);
    gfx::Bitmap image;
    skin::ComposeHorzImage(image, pic, {0, 0, 6, 1}, 2, 2, 3, false);
    // The right part lands at width - 2 and covers the left part's second column.
    EXPECT_EQ(SourceColumns(image, 0), (V{0, 4, 5}));
}

TEST(ComposeVertImage, TilesDownwardsWithFixedTopAndBottom) {
    const gfx::Bitmap pic = CoordinatePicture(2, 5);
    gfx::Bitmap image;
    skin::ComposeVertImage(image, pic, {0, 0, 2, 5}, 2, 1, 8, false);
    ASSERT_EQ(image.size(), (gfx::Size{2, 8}));
    EXPECT_EQ(SourceRows(image, 1), (V{0, 1, 2, 3, 2, 3, 2, 4}));
}

TEST(ComposeVertImage, AZeroHighMiddleLeavesTheMiddleBlank) {
    const gfx::Bitmap pic = CoordinatePicture(1, 4);
    gfx::Bitmap image;
    skin::ComposeVertImage(image, pic, {0, 0, 1, 4}, 2, 2, 6, true);
    EXPECT_EQ(SourceRows(image, 0), (V{0, 1, -1, -1, 2, 3}));
}

TEST(TileRect, AnEmptyPieceDrawsNothing) {
    const gfx::Bitmap pic = CoordinatePicture(4, 4);
    gfx::Bitmap image(5, 5, 0xFF123456u);
    gfx::Painter painter(image);
    skin::TileRect(painter, pic, {2, 0, 2, 4}, image.rect());
    skin::TileRect(painter, pic, {0, 3, 4, 3}, image.rect());
    EXPECT_EQ(image, gfx::Bitmap(5, 5, 0xFF123456u));
}

TEST(TileRect, CutsTilesAtTheTargetsRightAndBottomEdges) {
    const gfx::Bitmap pic = CoordinatePicture(4, 4);
    gfx::Bitmap image(5, 5, 0);
    gfx::Painter painter(image);
    skin::TileRect(painter, pic, {1, 1, 3, 3}, {0, 0, 5, 3});
    EXPECT_EQ(SourceColumns(image, 0), (V{1, 2, 1, 2, 1}));
    EXPECT_EQ(SourceRows(image, 4), (V{1, 2, 1, -1, -1}));
}

}  // namespace
