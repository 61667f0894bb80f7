#include <gtest/gtest.h>

#include "gfx/painter.h"
#include "pixel_art.h"

namespace {

using gfx::Bitmap;
using gfx::Painter;
using gfx::PainterSaver;
using gfx::Point;
using gfx::Rect;
using gfx::Region;
using namespace painttest;

TEST(PainterFill, RectanglesHangingOffEverySideAreClipped) {
    Bitmap b(4, 3, kBack);
    Painter p(b);
    p.FillRect({-5, -5, 1, 10}, kInk);  // off the left, top and bottom
    p.FillRect({3, -2, 100, 1}, kRed);  // off the top and right
    p.FillRect({2, 2, 9, 99}, kBlue);   // off the right and bottom
    EXPECT_EQ(Art(b),
              "#..r\n"
              "#...\n"
              "#.bb\n");
}

TEST(PainterFill, EmptyInvertedAndFarAwayRectanglesDrawNothing) {
    Bitmap b(3, 3, kBack);
    Painter p(b);
    p.FillRect({1, 1, 1, 3}, kInk);
    p.FillRect({2, 2, 0, 0}, kInk);
    p.FillRect({-9, -9, -4, -4}, kInk);
    p.FillRect({3, 0, 9, 3}, kInk);
    p.FrameRect({2, 2, 1, 1}, kInk);
    p.Frame3D({2, 0, 2, 3}, kInk, kInk);
    p.DrawFocusRect({1, 2, 3, 2});
    EXPECT_EQ(b, Bitmap(3, 3, kBack));
}

TEST(PainterFill, EmptyTargetAcceptsEverything) {
    Bitmap b;
    Painter p(b);
    p.FillRect({0, 0, 5, 5}, kInk);
    p.DrawLine({0, 0}, {4, 3}, kInk);
    p.DrawFocusRect({0, 0, 4, 4});
    EXPECT_TRUE(b.empty());
}

TEST(PainterState, TranslationAndClipAreRestored) {
    Bitmap b(5, 4, kBack);
    Painter p(b);
    {
        PainterSaver saver(p);
        p.Translate({2, 1});
        p.ClipRect({0, 0, 2, 2});
        EXPECT_EQ(p.Translation(), (Point{2, 1}));
        EXPECT_EQ(p.ClipBounds(), (Rect{0, 0, 2, 2}));
        p.FillRect({-1, -1, 9, 9}, kInk);
    }
    EXPECT_EQ(p.Translation(), (Point{0, 0}));
    EXPECT_EQ(p.ClipBounds(), b.rect());
    p.SetPixel({0, 3}, kRed);
    EXPECT_EQ(Art(b),
              ".....\n"
              "..##.\n"
              "..##.\n"
              "r....\n");
}

TEST(PainterState, ClipsOnlyNarrow) {
    Bitmap b(6, 1, kBack);
    Painter p(b);
    p.ClipRect({1, 0, 4, 1});
    p.ClipRect({2, -5, 50, 5});
    EXPECT_EQ(p.ClipBounds(), (Rect{2, 0, 4, 1}));
    p.FillRect(b.rect(), kInk);
    EXPECT_EQ(Art(b), "..##..\n");
}

TEST(PainterState, UnmatchedRestoreKeepsTheBaseState) {
    Bitmap b(2, 1, kBack);
    Painter p(b);
    p.Restore();
    p.Restore();
    p.FillRect({0, 0, 2, 1}, kInk);
    EXPECT_EQ(Art(b), "##\n");
}

TEST(PainterState, RegionClipFollowsTheTranslationAndTheRectClip) {
    Bitmap b(5, 4, kBack);
    Painter p(b);
    p.Translate({1, 0});
    const std::vector<Rect> lShape = {{0, 0, 1, 4}, {0, 3, 4, 4}};
    p.ClipRegion(Region::FromRects(lShape));
    p.ClipRect({0, 1, 3, 4});
    EXPECT_EQ(p.ClipBounds(), (Rect{0, 1, 3, 4}));
    p.FillRect({-10, -10, 10, 10}, kInk);
    EXPECT_EQ(Art(b),
              ".....\n"
              ".#...\n"
              ".#...\n"
              ".###.\n");
}

TEST(PainterState, TwoRegionClipsIntersect) {
    Bitmap b(4, 1, kBack);
    Painter p(b);
    p.ClipRegion(Region(Rect{0, 0, 3, 1}));
    p.ClipRegion(Region(Rect{2, 0, 4, 1}));
    p.FillRect(b.rect(), kInk);
    EXPECT_EQ(Art(b), "..#.\n");
}

TEST(PainterState, EmptyRegionClipHidesEverything) {
    Bitmap b(3, 2, kBack);
    Painter p(b);
    p.ClipRegion(Region());
    EXPECT_TRUE(p.ClipBounds().empty());
    p.FillRect(b.rect(), kInk);
    p.DrawLine({0, 0}, {3, 2}, kInk);
    EXPECT_EQ(b, Bitmap(3, 2, kBack));
}

TEST(PainterFrames, FrameRectOutlinesInside) {
    Bitmap b(5, 4, kBack);
    Painter p(b);
    p.FrameRect({0, 0, 5, 4}, kInk);
    p.FrameRect({2, 1, 3, 3}, kRed);  // one column wide: just the column
    EXPECT_EQ(Art(b),
              "#####\n"
              "#.r.#\n"
              "#.r.#\n"
              "#####\n");
}

TEST(PainterFrames, Frame3DGivesTheTopRightCornerToTheShadow) {
    Bitmap b(4, 3, kBack);
    Painter p(b);
    p.Frame3D({0, 0, 4, 3}, kInk, kRed);
    EXPECT_EQ(Art(b),
              "###r\n"
              "#..r\n"
              "#rrr\n");
}

TEST(PainterFrames, FocusRectIsDottedAndUndoneByDrawingItAgain) {
    Bitmap b(5, 4, kBack);
    Painter p(b);
    p.Translate({1, 0});
    p.DrawFocusRect({0, 0, 4, 4});
    EXPECT_EQ(Art(b),
              ".#.#.\n"
              "....#\n"
              ".#...\n"
              "..#.#\n");
    p.DrawFocusRect({0, 0, 4, 4});
    EXPECT_EQ(b, Bitmap(5, 4, kBack));
}

TEST(PainterFrames, FocusRectOfOneRowInvertsEachPixelOnce) {
    Bitmap b(4, 1, kBack);
    Painter p(b);
    p.DrawFocusRect({0, 0, 4, 1});
    EXPECT_EQ(Art(b), "#.#.\n");
}

TEST(PainterLines, EndPointIsLeftOutInEveryDirection) {
    Bitmap b(5, 5, kBack);
    Painter p(b);
    p.DrawLine({0, 0}, {4, 0}, kInk);
    p.DrawLine({4, 4}, {0, 4}, kRed);
    p.DrawLine({0, 3}, {0, 1}, kBlue);
    p.DrawLine({4, 1}, {4, 3}, kGreen);
    EXPECT_EQ(Art(b),
              "####.\n"
              "....g\n"
              "b...g\n"
              "b....\n"
              ".rrrr\n");
}

TEST(PainterLines, DiagonalsAndClippedSlopes) {
    Bitmap b(4, 3, kBack);
    Painter p(b);
    p.DrawLine({0, 0}, {3, 3}, kInk);
    p.DrawLine({-4, 2}, {8, 2}, kRed);  // crosses the whole bitmap
    p.DrawLine({3, 0}, {3, 0}, kBlue);  // a point: nothing
    EXPECT_EQ(Art(b),
              "#...\n"
              ".#..\n"
              "rrrr\n");
}

TEST(PainterLines, ShallowSlopeStepsEvenly) {
    Bitmap b(6, 3, kBack);
    Painter p(b);
    p.DrawLine({0, 0}, {6, 3}, kInk);
    EXPECT_EQ(Art(b),
              "##....\n"
              "..##..\n"
              "....##\n");
}

}  // namespace
