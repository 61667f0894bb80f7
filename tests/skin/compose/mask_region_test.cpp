#include "skin/compose/mask_region.h"

#include <gtest/gtest.h>

namespace {

constexpr gfx::Pixel kBlack = 0xFF000000u;
constexpr gfx::Pixel kWhite = 0xFFFFFFFFu;

TEST(MaskToRegion, TakesOnlyPureBlackRunsAtTheOffset) {
    gfx::Bitmap mask(4, 2, kWhite);
    mask.set(1, 0, kBlack);
    mask.set(2, 0, kBlack);
    mask.set(3, 1, 0x00000000u);              // black with alpha 0 is still black
    mask.set(0, 1, gfx::MakePixel(0, 0, 1));  // near black is outside
    const gfx::Region region = skin::MaskToRegion(mask, mask.rect(), {10, 20});
    EXPECT_EQ(region.Rects(), (std::vector<gfx::Rect>{{11, 20, 13, 21}, {13, 21, 14, 22}}));
}

TEST(MaskToRegion, KeepsEveryRunOfAMaskWithMoreThanTenThousand) {
    // A checkerboard of 200 x 120: 100 single-pixel runs per row, 12000 in all.
    gfx::Bitmap mask(200, 120, kWhite);
    for (int y = 0; y < 120; ++y) {
        for (int x = y % 2; x < 200; x += 2) mask.set(x, y, kBlack);
    }
    const gfx::Region region = skin::MaskToRegion(mask, mask.rect(), {0, 0});
    EXPECT_EQ(region.Rects().size(), 12000u);
    EXPECT_TRUE(region.Contains({199, 119}));
    EXPECT_FALSE(region.Contains({198, 119}));
    EXPECT_TRUE(region.Contains({0, 118}));
}

TEST(MaskToRegion, ReadsOnlyThePartGiven) {
    gfx::Bitmap mask(6, 6, kBlack);
    const gfx::Region region = skin::MaskToRegion(mask, {4, 4, 8, 8}, {0, 0});
    EXPECT_EQ(region.Rects(), (std::vector<gfx::Rect>{{0, 0, 2, 2}}));
}

skin::SkinGeometry Bar() {
    skin::SkinGeometry g;
    g.SkinRect = {0, 0, 6, 4};
    g.LeftTop = {2, 1};
    g.RightTop = {4, 1};
    g.LeftBottom = {2, 3};
    g.RightBottom = {4, 3};
    g.ClientRect = {2, 1, 4, 3};
    return g;
}

TEST(MaskRegion, StretchesTheMaskStripsAndFillsTheClient) {
    // Round corners: the outermost corner pixels are white (outside).
    gfx::Bitmap mask(6, 4, kBlack);
    for (gfx::Point p : {gfx::Point{0, 0}, {5, 0}, {0, 3}, {5, 3}}) mask.set(p.x, p.y, kWhite);
    const skin::SkinGeometry g = Bar();
    gfx::Size size{10, 6};
    const skin::ResizedGeometry r = skin::FitSkinSize(g, skin::ResizeMode::Both, size);
    const auto region = skin::MaskRegion(mask, mask.rect(), g, r, skin::ResizeMode::Both, 10, 6);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->Bounds(), (gfx::Rect{0, 0, 10, 6}));
    for (gfx::Point p : {gfx::Point{0, 0}, {9, 0}, {0, 5}, {9, 5}}) EXPECT_FALSE(region->Contains(p));
    EXPECT_TRUE(region->Contains({1, 0}));
    EXPECT_TRUE(region->Contains({0, 1}));
    EXPECT_TRUE(region->Contains({5, 3}));
}

TEST(MaskRegion, NoOutlineWithoutAMaskOrWithCrossedAnchors) {
    const skin::SkinGeometry g = Bar();
    gfx::Size size{10, 6};
    skin::ResizedGeometry r = skin::FitSkinSize(g, skin::ResizeMode::Both, size);
    EXPECT_FALSE(skin::MaskRegion(gfx::Bitmap(), {0, 0, 6, 4}, g, r, skin::ResizeMode::Both, 10, 6).has_value());
    r.RightTop.x = r.LeftTop.x - 1;
    const gfx::Bitmap mask(6, 4, kBlack);
    EXPECT_FALSE(skin::MaskRegion(mask, mask.rect(), g, r, skin::ResizeMode::Both, 10, 6).has_value());
}

TEST(MaskRegion, AFixedPictureUsesItsMaskAsItIs) {
    gfx::Bitmap mask(8, 8, kWhite);
    mask.set(3, 3, kBlack);
    skin::SkinGeometry g;
    g.SkinRect = {2, 2, 6, 6};
    const auto region = skin::MaskRegion(mask, g.SkinRect, g, skin::Unresized(g), skin::ResizeMode::Fixed, 4, 4);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->Rects(), (std::vector<gfx::Rect>{{1, 1, 2, 2}}));
}

}  // namespace
