#include "skin/compose/frame_image.h"

#include <gtest/gtest.h>

#include "compose_fixture.h"
#include "gfx/painter.h"
#include "skin/compose/border_strips.h"

using composetest::CoordinatePicture;
using composetest::SourceColumns;
using composetest::SourceRows;
using V = std::vector<int>;

namespace {

// A 6 x 6 frame with 2-pixel borders: anchors at the client rectangle's corners.
skin::SkinGeometry SmallFrame() {
    skin::SkinGeometry g;
    g.SkinRect = {0, 0, 6, 6};
    g.LeftTop = {2, 2};
    g.RightTop = {4, 2};
    g.LeftBottom = {2, 4};
    g.RightBottom = {4, 4};
    g.ClientRect = {2, 2, 4, 4};
    return g;
}

skin::ResizedGeometry Fit(const skin::SkinGeometry& g, gfx::Size size) {
    return skin::FitSkinSize(g, skin::ResizeMode::Both, size);
}

TEST(ComposeFrameImage, TilesEdgesAndClientFromTheAnchorsAndKeepsTheCorners) {
    // The source sits at (1, 1) of a larger picture: every coordinate below is offset by one.
    const gfx::Bitmap pic = CoordinatePicture(8, 8);
    const skin::SkinGeometry g = SmallFrame();
    gfx::Bitmap image;
    skin::ComposeFrameImage(image, pic, {1, 1, 7, 7}, g, Fit(g, {9, 7}), 9, 7, true);
    ASSERT_EQ(image.size(), (gfx::Size{9, 7}));
    // Top row: corner 1, 2; edge 3, 4 tiled over x 2..6 and cut; corner 5, 6 at the right.
    EXPECT_EQ(SourceColumns(image, 0), (V{1, 2, 3, 4, 3, 4, 3, 5, 6}));
    // The client is tiled the same way from its own top-left corner.
    EXPECT_EQ(SourceColumns(image, 3), (V{1, 2, 3, 4, 3, 4, 3, 5, 6}));
    // Down the left edge: rows 3, 4 tiled over y 2..4, then the bottom corner rows 5, 6.
    EXPECT_EQ(SourceRows(image, 0), (V{1, 2, 3, 4, 3, 5, 6}));
    EXPECT_EQ(SourceRows(image, 4), (V{1, 2, 3, 4, 3, 5, 6}));
}

TEST(ComposeFrameImage, StretchedEdgesFollowTheirFlags) {
    const gfx::Bitmap pic = CoordinatePicture(6, 6);
    skin::SkinGeometry g = SmallFrame();
    g.TopStretch = true;
    g.StretchEffect = true;
    gfx::Bitmap image;
    skin::ComposeFrameImage(image, pic, pic.rect(), g, Fit(g, {10, 6}), 10, 6, true);
    // Six target columns from two: 2, 2, 2, 3, 3, 3.
    EXPECT_EQ(SourceColumns(image, 0), (V{0, 1, 2, 2, 2, 3, 3, 3, 4, 5}));
    EXPECT_EQ(SourceColumns(image, 2), (V{0, 1, 2, 2, 2, 3, 3, 3, 4, 5}));
    // The bottom edge has no flag: tiled.
    EXPECT_EQ(SourceColumns(image, 5), (V{0, 1, 2, 3, 2, 3, 2, 3, 4, 5}));
}

TEST(ComposeFrameImage, AnchorsWithoutAMiddleDrawNothing) {
    const gfx::Bitmap pic = CoordinatePicture(6, 6);
    skin::SkinGeometry g = SmallFrame();
    g.RightBottom.x = g.LeftTop.x;
    gfx::Bitmap image;
    skin::ComposeFrameImage(image, pic, pic.rect(), g, Fit(g, {8, 8}), 8, 8, true);
    EXPECT_EQ(image, gfx::Bitmap(8, 8));
    skin::ComposeFrameImage(image, gfx::Bitmap(), pic.rect(), SmallFrame(), Fit(SmallFrame(), {8, 8}), 8, 8, true);
    EXPECT_EQ(image, gfx::Bitmap(8, 8));
}

TEST(ComposeFrameImage, AClientRectangleAtTheEdgesFillsTheWholeWidth) {
    // A horizontal bar whose client reaches both sides: no side edges, corners of no width.
    const gfx::Bitmap pic = CoordinatePicture(6, 6);
    skin::SkinGeometry g = SmallFrame();
    g.ClientRect = {0, 2, 6, 4};
    g.LeftTop = {2, 2};
    g.RightTop = {4, 2};
    g.StretchEffect = true;
    gfx::Bitmap image;
    skin::ComposeFrameImage(image, pic, pic.rect(), g, Fit(g, {12, 6}), 12, 6, true);
    // Client columns 0..5 stretched over 12: each source column twice.
    EXPECT_EQ(SourceColumns(image, 3), (V{0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5}));
}

TEST(FillClientArea, HorizontalStretchTypeStretchesToTheHeightAndTilesAcross) {
    const gfx::Bitmap pic = CoordinatePicture(6, 6);
    skin::SkinGeometry g = SmallFrame();
    g.StretchEffect = true;
    g.StretchType = skin::TspStretchType::Horz;
    gfx::Bitmap image(7, 4, 0);
    gfx::Painter painter(image);
    skin::FillClientArea(painter, pic, pic.rect(), g, {0, 0, 5, 4});
    EXPECT_EQ(SourceColumns(image, 0), (V{2, 3, 2, 3, 2, -1, -1}));
    EXPECT_EQ(SourceRows(image, 0), (V{2, 2, 3, 3}));
}

TEST(FillClientArea, VerticalStretchTypeStretchesToTheWidthAndTilesDown) {
    const gfx::Bitmap pic = CoordinatePicture(6, 6);
    skin::SkinGeometry g = SmallFrame();
    g.StretchEffect = true;
    g.StretchType = skin::TspStretchType::Vert;
    gfx::Bitmap image(4, 5, 0);
    gfx::Painter painter(image);
    skin::FillClientArea(painter, pic, pic.rect(), g, {0, 0, 4, 5});
    EXPECT_EQ(SourceColumns(image, 0), (V{2, 2, 3, 3}));
    EXPECT_EQ(SourceRows(image, 0), (V{2, 3, 2, 3, 2}));
}

TEST(PaintPiecewise, MatchesTheFullImageWhenEverythingStretches) {
    const gfx::Bitmap pic = CoordinatePicture(9, 9);
    skin::SkinGeometry g;
    g.SkinRect = {0, 0, 9, 9};
    g.LeftTop = {3, 2};
    g.RightTop = {6, 2};
    g.LeftBottom = {3, 7};
    g.RightBottom = {6, 7};
    g.ClientRect = {2, 3, 7, 6};
    g.LeftStretch = g.TopStretch = g.RightStretch = g.BottomStretch = g.StretchEffect = true;
    const skin::ResizedGeometry r = Fit(g, {23, 17});
    gfx::Bitmap full;
    skin::ComposeFrameImage(full, pic, pic.rect(), g, r, 23, 17, true);
    gfx::Bitmap pieces(23, 17);
    gfx::Painter painter(pieces);
    const skin::BorderStrips strips = skin::ComposeBorderStrips(pic, pic.rect(), g, r, 23, 17);
    skin::PaintPiecewise(painter, pic, pic.rect(), g, r, strips, 23, 17);
    EXPECT_EQ(pieces, full);
}

TEST(ComposeBorderStrips, TiledStripsStartAtTheirOwnOriginAndCarryTheCorners) {
    const gfx::Bitmap pic = CoordinatePicture(6, 6);
    const skin::SkinGeometry g = SmallFrame();
    const skin::BorderStrips s = skin::ComposeBorderStrips(pic, pic.rect(), g, Fit(g, {9, 9}), 9, 9);
    ASSERT_EQ(s.Top.size(), (gfx::Size{9, 2}));
    EXPECT_EQ(SourceColumns(s.Top, 0), (V{0, 1, 2, 3, 2, 3, 2, 4, 5}));
    ASSERT_EQ(s.Left.size(), (gfx::Size{2, 5}));
    EXPECT_EQ(SourceRows(s.Left, 0), (V{2, 3, 2, 3, 2}));
    EXPECT_EQ(s.Right.size(), (gfx::Size{2, 5}));
    EXPECT_EQ(s.Bottom.size(), (gfx::Size{9, 2}));
    EXPECT_EQ(SourceRows(s.Bottom, 8), (V{4, 5}));
}

TEST(ComposeBorderStrips, AnEdgeWithoutAMiddleMakesNoStrip) {
    const gfx::Bitmap pic = CoordinatePicture(6, 6);
    skin::SkinGeometry g = SmallFrame();
    g.RightTop.x = g.LeftTop.x;
    const skin::BorderStrips s = skin::ComposeBorderStrips(pic, pic.rect(), g, Fit(g, {9, 9}), 9, 9);
    EXPECT_TRUE(s.Top.empty());
    EXPECT_EQ(s.Left.size(), (gfx::Size{2, 7}));
}

}  // namespace
