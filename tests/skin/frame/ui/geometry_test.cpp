#include <gtest/gtest.h>

#include <array>

#include "platform/plain_frame.h"
#include "skin/frame/frame_fixture.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/frame_strips.h"
#include "skin/frame/window_outline.h"

namespace {

using gfx::Point;
using gfx::Rect;

class FrameGeometryTest : public testfixtures::SkinnedWindows {};

TEST_F(FrameGeometryTest, AWindowOf300By200HasTheSkinsBordersCornersAndMaskArea) {
    const auto g = skin::FrameGeometry::Compute(data.FormInfo(), data.Picture().size(), {300, 200});
    EXPECT_EQ((std::array{g.leftBorder, g.topBorder, g.rightBorder, g.bottomBorder}), (std::array{6, 33, 6, 6}));
    EXPECT_EQ(g.client, (Rect{6, 33, 294, 194}));
    EXPECT_EQ(g.leftTop, (Point{10, 33}));
    EXPECT_EQ(g.rightTop, (Point{285, 33}));
    EXPECT_EQ(g.leftBottom, (Point{10, 190}));
    EXPECT_EQ(g.rightBottom, (Point{288, 189}));
    EXPECT_EQ(g.maskArea, (Rect{5, 5, 295, 195}));

    skin::TspSkinForm& frame = Window(300, 200);
    EXPECT_EQ(frame.Window().ClientRectInWindow(), (Rect{6, 33, 294, 194}));
    EXPECT_EQ(frame.Geometry().client, (Rect{6, 33, 294, 194}));
}

TEST_F(FrameGeometryTest, RectanglesFollowTheCornerZonesTheyLieIn) {
    const auto g = skin::FrameGeometry::Compute(data.FormInfo(), data.Picture().size(), {300, 200});
    // Spanning the top-left and top-right zones: grows with the width.
    EXPECT_EQ(g.MapByZones({7, 4, 218, 23}), (Rect{7, 4, 294, 23}));
    // Wholly in one zone: moves with its corner.
    EXPECT_EQ(g.MapByZones({1, 1, 5, 5}), (Rect{1, 1, 5, 5}));
    EXPECT_EQ(g.MapByZones({210, 1, 220, 5}), (Rect{286, 1, 296, 5}));
    EXPECT_EQ(g.MapByZones({1, 160, 5, 165}), (Rect{1, 191, 5, 196}));
    EXPECT_EQ(g.MapByZones({213, 160, 220, 165}), (Rect{289, 191, 296, 196}));
    // From the top-left to the bottom-right zone: grows both ways.
    EXPECT_EQ(g.MapByZones({2, 2, 215, 165}), (Rect{2, 2, 291, 196}));
    // In no zone at all: stays where it is.
    EXPECT_EQ(g.MapByZones({50, 60, 70, 80}), (Rect{50, 60, 70, 80}));
}

TEST_F(FrameGeometryTest, TheMinimumIs200By39AndSmallerWindowsGetThePlainFrame) {
    skin::TspSkinForm& frame = Window(300, 200);
    EXPECT_EQ(frame.Limits().min, (gfx::Size{200, 39}));
    frame.Window().SetBounds(40, 40, 50, 20);
    EXPECT_EQ(frame.Window().BoundsRect().size(), (gfx::Size{200, 39}));

    // Asked to paint a size below the minimum, the frame draws what the plain frame draws.
    gfx::Bitmap skinned(150, 30), plain(150, 30);
    gfx::Painter a(skinned), b(plain);
    frame.PaintNonClient(a, {150, 30});
    platform::PlainFrame(frame.Window()).PaintNonClient(b, {150, 30});
    EXPECT_EQ(skinned, plain);
}

TEST_F(FrameGeometryTest, TheTopStripTilesOrStretchesItsMiddle) {
    const auto& info = data.FormInfo();
    skin::StripLayout layout{info.LeftTopPoint, info.RightTopPoint, info.LeftBottomPoint, info.RightBottomPoint,
                             info.ClientRect};
    const gfx::Bitmap& picture = data.Picture();
    const int width = picture.width() + 76;
    layout.topStretch = false;
    const gfx::Bitmap tiled = skin::ComposeFrameStrips(picture, layout, {width, 200}).top;
    layout.topStretch = true;
    const gfx::Bitmap stretched = skin::ComposeFrameStrips(picture, layout, {width, 200}).top;
    ASSERT_EQ(tiled.size(), (gfx::Size{300, 33}));
    for (int y = 0; y < 33; y += 8) {
        for (int x = 0; x < 10; ++x) EXPECT_EQ(tiled.at(x, y), picture.at(x, y));
        for (int x = 10; x < 285; ++x) {
            ASSERT_EQ(tiled.at(x, y), picture.at(10 + x % 199, y)) << x << "," << y;
            ASSERT_EQ(stretched.at(x, y), picture.at(10 + (2 * (x - 10) + 1) * 199 / (2 * 275), y)) << x;
        }
        for (int x = 285; x < 300; ++x) EXPECT_EQ(stretched.at(x, y), picture.at(x - 76, y));
    }
}

TEST_F(FrameGeometryTest, TheOutlineFollowsTheMaskWhereBlackIsInside) {
    skin::TspSkinForm& frame = Window(300, 200);
    const auto& outline = frame.Window().WindowOutline();
    ASSERT_TRUE(outline.has_value());
    const gfx::Bitmap& mask = data.Mask();
    const auto black = [&](int x, int y) { return (mask.at(x, y) & 0xFFFFFF) == 0; };
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            EXPECT_EQ(outline->Contains({x, y}), black(x, y)) << x << "," << y;  // the fixed corner
            EXPECT_EQ(outline->Contains({290 + x, y}), black(214 + x, y)) << x;  // moved with the right edge
            EXPECT_EQ(outline->Contains({x, 190 + y}), black(x, 159 + y)) << y;  // moved with the bottom
        }
    EXPECT_FALSE(outline->Contains({0, 0}));
    EXPECT_TRUE(outline->Contains({150, 100}));
    EXPECT_EQ(outline->Bounds().intersected({0, 0, 300, 200}), outline->Bounds());
}

TEST_F(FrameGeometryTest, TheOutlineIsRebuiltAfterEveryResize) {
    skin::TspSkinForm& frame = Window(300, 200);
    const gfx::Region before = *frame.Window().WindowOutline();
    frame.Window().SetBounds(40, 40, 420, 260);
    const gfx::Region after = *frame.Window().WindowOutline();
    EXPECT_NE(before, after);
    EXPECT_EQ(after.Bounds().right, 420);
    EXPECT_EQ(after.Bounds().bottom, 260);
    EXPECT_EQ(d.Backend().State(frame.Window()).outline, after);
}

}  // namespace
