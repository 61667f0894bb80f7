#include "gfx/morph.h"

#include <gtest/gtest.h>

#include "pixel_art.h"

namespace {

using namespace gfx;
using namespace painttest;

constexpr MorphKind kAllKinds[] = {MorphKind::Default,       MorphKind::Gradient,  MorphKind::LeftGradient,
                                   MorphKind::RightGradient, MorphKind::LeftSlide, MorphKind::RightSlide,
                                   MorphKind::Push};

Pixel Grey(int v) { return MakePixel(v, v, v); }

// Columns of distinct colours, easy to follow when shifted.
const Bitmap kNormal = FromArt("rgb#\n");
const Bitmap kActive = FromArt("#bgr\n");

TEST(Morph, EndsShowOneOfThePicturesForEveryKind) {
    for (MorphKind kind : kAllKinds) {
        EXPECT_EQ(Morph(kNormal, kActive, 0.0, kind), kNormal) << int(kind);
        EXPECT_EQ(Morph(kNormal, kActive, 1.0, kind), kActive) << int(kind);
        EXPECT_EQ(Morph(kNormal, kActive, -1.0, kind), kNormal) << int(kind);
        EXPECT_EQ(Morph(kNormal, kActive, 2.5, kind), kActive) << int(kind);
    }
}

TEST(Morph, DifferentSizesGiveTheNormalPicture) {
    const Bitmap wide = FromArt("rgb#r\n");
    for (MorphKind kind : kAllKinds) EXPECT_EQ(Morph(kNormal, wide, 0.5, kind), kNormal) << int(kind);
    EXPECT_TRUE(Morph(Bitmap(), Bitmap(), 0.5, MorphKind::Push).empty());
}

TEST(Morph, SlidesAndPushMoveWholeColumns) {
    // Active's last two columns slide in over normal's first two.
    EXPECT_EQ(Art(Morph(kNormal, kActive, 0.5, MorphKind::LeftSlide)), "grb#\n");
    // Active's first two columns slide in over normal's last two.
    EXPECT_EQ(Art(Morph(kNormal, kActive, 0.5, MorphKind::RightSlide)), "rg#b\n");
    // Active's last columns come in from the left and push normal out to the right.
    EXPECT_EQ(Art(Morph(kNormal, kActive, 0.5, MorphKind::Push)), "grrg\n");
    EXPECT_EQ(Art(Morph(kNormal, kActive, 0.25, MorphKind::Push)), "rrgb\n");
}

TEST(Morph, ExtentRoundsHalvesToEven) {
    const Bitmap normal = FromArt(".....\n");
    const Bitmap active = FromArt("#####\n");
    // 5 * 0.5 = 2.5 -> 2 columns; 5 * 0.7 = 3.5 -> 4 columns; 5 * 0.3 = 1.5 -> 2 columns.
    EXPECT_EQ(Art(Morph(normal, active, 0.5, MorphKind::RightSlide)), "...##\n");
    EXPECT_EQ(Art(Morph(normal, active, 0.7, MorphKind::RightSlide)), ".####\n");
    EXPECT_EQ(Art(Morph(normal, active, 0.3, MorphKind::LeftSlide)), "##...\n");
}

TEST(Morph, DefaultCrossFadesEveryPixel) {
    const Bitmap normal(2, 1, Grey(0));
    const Bitmap active(2, 1, Grey(255));
    EXPECT_EQ(Morph(normal, active, 0.5, MorphKind::Default), Bitmap(2, 1, Grey(128)));  // 127.5
    EXPECT_EQ(Morph(normal, active, 0.2, MorphKind::Default), Bitmap(2, 1, Grey(51)));
}

TEST(Morph, GradientsFadeTheUncoveredColumns) {
    const Bitmap normal(4, 1, Grey(0));
    const Bitmap active(4, 1, Grey(255));
    // Level 0.5 covers 2 columns; the other two get 0.5 * 2/3 and 0.5 * 1/3 of active.
    const Bitmap left = Morph(normal, active, 0.5, MorphKind::LeftGradient);
    EXPECT_EQ(left.at(0, 0), Grey(255));
    EXPECT_EQ(left.at(1, 0), Grey(255));
    EXPECT_EQ(left.at(2, 0), Grey(85));
    EXPECT_EQ(left.at(3, 0), Grey(42));  // 42.5
    const Bitmap right = Morph(normal, active, 0.5, MorphKind::RightGradient);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(right.at(x, 0), left.at(3 - x, 0)) << x;
}

TEST(Morph, CentreGradientGrowsFromTheMiddle) {
    const Bitmap normal(6, 1, Grey(0));
    const Bitmap active(6, 1, Grey(240));
    // Level 1/3 covers 2 columns starting at (6 - 2) div 2 = 2; each side has two columns
    // weighted 1/3 * 2/3 and 1/3 * 1/3 from the band outwards.
    const Bitmap mid = Morph(normal, active, 1.0 / 3.0, MorphKind::Gradient);
    const int expected[] = {27, 53, 240, 240, 53, 27};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(mid.at(x, 0), Grey(expected[x])) << x;
}

TEST(Morph, ResultIsOpaque) {
    Bitmap normal(2, 1, MakePixel(1, 2, 3, 0));
    Bitmap active(2, 1, MakePixel(4, 5, 6, 10));
    for (MorphKind kind : kAllKinds) {
        const Bitmap out = Morph(normal, active, 0.5, kind);
        EXPECT_EQ(PixelA(out.at(0, 0)), 255) << int(kind);
        EXPECT_EQ(PixelA(out.at(1, 0)), 255) << int(kind);
    }
}

}  // namespace
