#include "skin/compose/skin_geometry.h"

#include <gtest/gtest.h>

namespace {

skin::SkinGeometry WithPoints(gfx::Point rt, gfx::Point lb, gfx::Point rb) {
    skin::SkinGeometry g;
    g.SkinRect = {10, 20, 40, 41};
    g.LeftTop = {3, 3};
    g.RightTop = rt;
    g.LeftBottom = lb;
    g.RightBottom = rb;
    g.ClientRect = {3, 3, 27, 18};
    return g;
}

TEST(ResizeModeOf, FollowsTheFirstAnchorThatMoves) {
    EXPECT_EQ(skin::ResizeModeOf(WithPoints({27, 3}, {3, 18}, {27, 18})), skin::ResizeMode::Both);
    EXPECT_EQ(skin::ResizeModeOf(WithPoints({27, 3}, {3, 18}, {27, 0})), skin::ResizeMode::Horizontal);
    EXPECT_EQ(skin::ResizeModeOf(WithPoints({0, 0}, {0, 18}, {0, 18})), skin::ResizeMode::Vertical);
    EXPECT_EQ(skin::ResizeModeOf(WithPoints({0, 0}, {0, 0}, {5, 0})), skin::ResizeMode::Fixed);
    skin::SkinGeometry empty = WithPoints({27, 3}, {3, 18}, {27, 18});
    empty.SkinRect = {5, 5, 5, 30};
    EXPECT_EQ(skin::ResizeModeOf(empty), skin::ResizeMode::None);
}

TEST(FitSkinSize, HorizontalKeepsTheHeightAndMovesTheRightSide) {
    const skin::SkinGeometry g = WithPoints({27, 3}, {3, 18}, {27, 18});
    gfx::Size size{100, 50};
    const skin::ResizedGeometry r = skin::FitSkinSize(g, skin::ResizeMode::Horizontal, size);
    EXPECT_EQ(size, (gfx::Size{100, 21}));
    EXPECT_EQ(r.LeftTop, (gfx::Point{3, 3}));
    EXPECT_EQ(r.RightTop, (gfx::Point{97, 3}));
    EXPECT_EQ(r.LeftBottom, (gfx::Point{3, 18}));
    EXPECT_EQ(r.ClientRect, (gfx::Rect{3, 3, 97, 18}));
}

TEST(FitSkinSize, BothKeepsTheSizeAndMovesEveryFarAnchor) {
    const skin::SkinGeometry g = WithPoints({27, 3}, {3, 18}, {27, 18});
    gfx::Size size{50, 31};
    const skin::ResizedGeometry r = skin::FitSkinSize(g, skin::ResizeMode::Both, size);
    EXPECT_EQ(size, (gfx::Size{50, 31}));
    EXPECT_EQ(r.RightTop, (gfx::Point{47, 3}));
    EXPECT_EQ(r.LeftBottom, (gfx::Point{3, 28}));
    EXPECT_EQ(r.RightBottom, (gfx::Point{47, 28}));
    EXPECT_EQ(r.ClientRect, (gfx::Rect{3, 3, 47, 28}));
}

TEST(FitSkinSize, VerticalAndFixedForceTheirSides) {
    const skin::SkinGeometry g = WithPoints({0, 0}, {0, 18}, {0, 18});
    gfx::Size size{77, 60};
    const skin::ResizedGeometry r = skin::FitSkinSize(g, skin::ResizeMode::Vertical, size);
    EXPECT_EQ(size, (gfx::Size{30, 60}));
    EXPECT_EQ(r.LeftBottom, (gfx::Point{0, 57}));
    EXPECT_EQ(r.ClientRect, (gfx::Rect{3, 3, 27, 57}));
    gfx::Size fixed{77, 60};
    EXPECT_EQ(skin::FitSkinSize(g, skin::ResizeMode::Fixed, fixed).ClientRect, g.ClientRect);
    EXPECT_EQ(fixed, (gfx::Size{30, 21}));
    gfx::Size none{77, 60};
    (void)skin::FitSkinSize(g, skin::ResizeMode::None, none);
    EXPECT_EQ(none, (gfx::Size{77, 60}));
}

TEST(MapSkinRect, BothWaysMovesEachQuadrantWithItsCorner) {
    // Quadrants of a 30 x 21 picture: top-left to (3, 3), top-right from 27, bottoms from 18.
    const skin::SkinGeometry g = WithPoints({27, 3}, {3, 18}, {27, 18});
    const gfx::Size size{40, 31};  // dW = dH = 10
    const auto map = [&](gfx::Rect r) { return skin::MapSkinRect(r, g, skin::ResizeMode::Both, size); };
    EXPECT_EQ(map({0, 0, 2, 2}), (gfx::Rect{0, 0, 2, 2}));
    EXPECT_EQ(map({28, 0, 29, 2}), (gfx::Rect{38, 0, 39, 2}));
    EXPECT_EQ(map({0, 19, 2, 20}), (gfx::Rect{0, 29, 2, 30}));
    EXPECT_EQ(map({28, 19, 29, 20}), (gfx::Rect{38, 29, 39, 30}));
    // Spanning: top-left to bottom-right grows both ways; top-left to top-right grows in width.
    EXPECT_EQ(map({1, 1, 28, 19}), (gfx::Rect{1, 1, 38, 29}));
    EXPECT_EQ(map({1, 1, 28, 2}), (gfx::Rect{1, 1, 38, 2}));
    EXPECT_EQ(map({1, 19, 28, 20}), (gfx::Rect{1, 29, 38, 30}));
    EXPECT_EQ(map({1, 1, 2, 19}), (gfx::Rect{1, 1, 2, 29}));
    EXPECT_EQ(map({28, 1, 29, 19}), (gfx::Rect{38, 1, 39, 29}));
    // Lying in no quadrant at all (the middle): kept.
    EXPECT_EQ(map({10, 10, 12, 12}), (gfx::Rect{10, 10, 12, 12}));
}

TEST(MapSkinRect, HorizontalGrowsSpanningRectsAndMovesRightOnes) {
    const skin::SkinGeometry g = WithPoints({27, 3}, {3, 18}, {27, 0});
    const gfx::Size size{130, 21};
    const auto map = [&](gfx::Rect r) { return skin::MapSkinRect(r, g, skin::ResizeMode::Horizontal, size); };
    EXPECT_EQ(map({2, 4, 27, 17}), (gfx::Rect{2, 4, 127, 17}));
    EXPECT_EQ(map({27, 4, 30, 17}), (gfx::Rect{127, 4, 130, 17}));
    EXPECT_EQ(map({0, 4, 10, 17}), (gfx::Rect{0, 4, 10, 17}));
}

TEST(MapSkinRect, VerticalGrowsDownwards) {
    const skin::SkinGeometry g = WithPoints({0, 0}, {0, 18}, {0, 18});
    const gfx::Size size{30, 41};
    const auto map = [&](gfx::Rect r) { return skin::MapSkinRect(r, g, skin::ResizeMode::Vertical, size); };
    EXPECT_EQ(map({0, 2, 5, 18}), (gfx::Rect{0, 2, 5, 38}));
    EXPECT_EQ(map({0, 18, 5, 21}), (gfx::Rect{0, 38, 5, 41}));
    EXPECT_EQ(skin::MapSkinRect({0, 18, 5, 21}, g, skin::ResizeMode::Fixed, size), (gfx::Rect{0, 18, 5, 21}));
}

}  // namespace
