#include "gfx/effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace {

using namespace gfx;

Bitmap Row(std::initializer_list<Pixel> pixels) {
    Bitmap b(static_cast<int>(pixels.size()), 1);
    int x = 0;
    for (Pixel p : pixels) b.set(x++, 0, p);
    return b;
}

Pixel Grey(int v) { return MakePixel(v, v, v); }

TEST(EffectsRounding, RoundRealGivesHalvesToEvenDespiteBinaryError) {
    EXPECT_EQ(RoundReal(2.5), 2);
    EXPECT_EQ(RoundReal(3.5), 4);
    EXPECT_EQ(RoundReal(0.7 * 5), 4);      // 3.4999999999999996 in binary
    EXPECT_EQ(RoundReal(0.1 * 3 * 5), 2);  // 1.5000000000000002 in binary
    EXPECT_EQ(RoundReal(-0.5), 0);
    EXPECT_EQ(RoundReal(2.4), 2);
    EXPECT_EQ(RoundChannel(-3.0), 0);
    EXPECT_EQ(RoundChannel(300.0), 255);
}

TEST(BlendImages, ChannelsRoundHalvesToEven) {
    // (a + b) / 2 for a = 1, 2, 3 against b = a + 1: 1.5 -> 2, 2.5 -> 2, 3.5 -> 4.
    Bitmap a = Row({MakePixel(1, 2, 3), MakePixel(10, 200, 255)});
    const Bitmap b = Row({MakePixel(2, 3, 4), MakePixel(11, 100, 0)});
    BlendImages(a, b, 0.5);
    EXPECT_EQ(a.at(0, 0), MakePixel(2, 2, 4));
    EXPECT_EQ(a.at(1, 0), MakePixel(10, 150, 128));  // 10.5 -> 10, 127.5 -> 128
}

TEST(BlendImages, DecimalLevelsRoundAsInRealNumbers) {
    // 0.7 * 5 + 0.3 * 0 is 3.5, which goes to 4, not to 3 as the binary product would.
    Bitmap a = Row({Grey(5)});
    BlendImages(a, Row({Grey(0)}), 0.3);
    EXPECT_EQ(a.at(0, 0), Grey(4));
}

TEST(BlendImages, LevelIsClampedAndSizesMustMatch) {
    const Bitmap b = Row({Grey(200)});
    Bitmap low = Row({Grey(10)});
    BlendImages(low, b, -2.0);
    EXPECT_EQ(low.at(0, 0), Grey(10));
    Bitmap high = Row({Grey(10)});
    BlendImages(high, b, 7.0);
    EXPECT_EQ(high.at(0, 0), Grey(200));
    Bitmap nan = Row({Grey(10)});
    BlendImages(nan, b, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(nan.at(0, 0), Grey(10));

    Bitmap other = Row({Grey(10), Grey(20)});
    const Bitmap before = other;
    BlendImages(other, b, 0.5);
    EXPECT_EQ(other, before);
    Bitmap empty;
    BlendImages(empty, Bitmap(), 0.5);
    EXPECT_TRUE(empty.empty());
}

TEST(BlendImages, ResultIsOpaqueLikeA24BitPicture) {
    Bitmap a = Row({MakePixel(10, 10, 10, 0)});
    BlendImages(a, Row({MakePixel(30, 30, 30, 7)}), 0.5);
    EXPECT_EQ(a.at(0, 0), Grey(20));
}

TEST(LightenImage, HalfwayToWhiteRoundsHalvesToEven) {
    // 0 -> 127.5 -> 128; 1 -> 128; 2 -> 128.5 -> 128; 3 -> 129.
    Bitmap a = Row({MakePixel(0, 1, 2), MakePixel(3, 255, 100)});
    LightenImage(a, 0.5);
    EXPECT_EQ(a.at(0, 0), MakePixel(128, 128, 128));
    EXPECT_EQ(a.at(1, 0), MakePixel(129, 255, 178));  // 177.5 -> 178
}

TEST(InactiveEffects, BrightnessAndDarkness) {
    Bitmap bright = Row({Grey(0), Grey(100)});
    ApplyInactiveEffect(bright, InactiveEffect::Brightness, 0);
    EXPECT_EQ(bright.at(0, 0), Grey(128));  // 127.5
    EXPECT_EQ(bright.at(1, 0), Grey(178));  // 177.5

    Bitmap dark = Row({Grey(5), Grey(255), MakePixel(15, 25, 1)});
    ApplyInactiveEffect(dark, InactiveEffect::Darkness, 0);
    EXPECT_EQ(dark.at(0, 0), Grey(4));               // 3.5
    EXPECT_EQ(dark.at(1, 0), Grey(178));             // 178.5
    EXPECT_EQ(dark.at(2, 0), MakePixel(10, 18, 1));  // 10.5, 17.5, 0.7
}

TEST(InactiveEffects, GrayscaleUsesLuma) {
    Bitmap a = Row({MakePixel(255, 0, 0), MakePixel(0, 255, 0), MakePixel(0, 0, 255), Grey(255), Grey(37)});
    ApplyInactiveEffect(a, InactiveEffect::Grayscale, 0);
    EXPECT_EQ(a.at(0, 0), Grey(76));   // 76.245
    EXPECT_EQ(a.at(1, 0), Grey(150));  // 149.685
    EXPECT_EQ(a.at(2, 0), Grey(29));   // 29.07
    EXPECT_EQ(a.at(3, 0), Grey(255));
    EXPECT_EQ(a.at(4, 0), Grey(37));
}

TEST(InactiveEffects, UnknownEffectReadsAsGrayscale) {
    Bitmap a = Row({MakePixel(255, 0, 0)});
    ApplyInactiveEffect(a, static_cast<InactiveEffect>(42), 0);
    EXPECT_EQ(a.at(0, 0), Grey(76));
}

TEST(InactiveEffects, InvertFlipsEveryChannel) {
    Bitmap a = Row({MakePixel(0, 100, 255, 0)});
    ApplyInactiveEffect(a, InactiveEffect::Invert, 0);
    EXPECT_EQ(a.at(0, 0), MakePixel(255, 155, 0));
}

TEST(InactiveEffects, NoiseIsRepeatableBoundedAndShiftsAllChannelsTogether) {
    Bitmap first(64, 64, Grey(128));
    Bitmap again = first;
    Bitmap other = first;
    ApplyInactiveEffect(first, InactiveEffect::Noise, 1234);
    ApplyInactiveEffect(again, InactiveEffect::Noise, 1234);
    ApplyInactiveEffect(other, InactiveEffect::Noise, 99);
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);

    std::set<int> offsets;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const Pixel p = first.at(x, y);
            ASSERT_EQ(PixelR(p), PixelG(p));
            ASSERT_EQ(PixelR(p), PixelB(p));
            offsets.insert(PixelR(p) - 128);
        }
    }
    // Amount 50 gives the 50 offsets -25 .. 24, and 4096 draws see all of them.
    EXPECT_EQ(offsets.size(), 50u);
    EXPECT_EQ(*offsets.begin(), -25);
    EXPECT_EQ(*offsets.rbegin(), 24);
}

TEST(InactiveEffects, NoiseClampsAtBlackAndWhite) {
    Bitmap a(32, 32, MakePixel(0, 255, 10));
    NoiseImage(a, 50, 7);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_LE(PixelR(a.at(x, y)), 24);
            ASSERT_GE(PixelG(a.at(x, y)), 230);
        }
    }
    Bitmap none = Row({MakePixel(1, 2, 3, 9)});
    NoiseImage(none, 0, 7);
    EXPECT_EQ(none.at(0, 0), MakePixel(1, 2, 3));
}

TEST(InactiveEffects, SplitBlurAveragesDiagonalsWithEdgesClamped) {
    // One grey pixel in the middle of black: with the edges clamped only the corners
    // reach it, each getting a quarter of it, rounded halves to even.
    for (const auto& [centre, corner] : std::vector<std::pair<int, int>>{{255, 64}, {2, 0}, {6, 2}, {10, 2}}) {
        Bitmap a(3, 3, Grey(0));
        a.set(1, 1, Grey(centre));
        ApplyInactiveEffect(a, InactiveEffect::SplitBlur, 0);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 3; ++x) {
                const bool isCorner = x != 1 && y != 1;
                EXPECT_EQ(a.at(x, y), Grey(isCorner ? corner : 0)) << centre << " at " << x << "," << y;
            }
        }
    }
}

TEST(InactiveEffects, SplitBlurOfASinglePixelKeepsIt) {
    Bitmap a = Row({MakePixel(9, 8, 7, 3)});
    SplitBlurImage(a, 1);
    EXPECT_EQ(a.at(0, 0), MakePixel(9, 8, 7));
}

TEST(HalfOpacity, AlphaHalvesWithHalvesToEvenAndColoursStay) {
    const Bitmap picture = Row({MakePixel(1, 2, 3, 255), MakePixel(4, 5, 6, 0), MakePixel(7, 8, 9, 1),
                                MakePixel(7, 8, 9, 3), MakePixel(7, 8, 9, 5), MakePixel(7, 8, 9, 200)});
    const Bitmap half = HalfOpacity(picture);
    EXPECT_EQ(half.at(0, 0), MakePixel(1, 2, 3, 128));  // 127.5
    EXPECT_EQ(half.at(1, 0), MakePixel(4, 5, 6, 0));
    EXPECT_EQ(half.at(2, 0), MakePixel(7, 8, 9, 0));  // 0.5
    EXPECT_EQ(half.at(3, 0), MakePixel(7, 8, 9, 2));  // 1.5
    EXPECT_EQ(half.at(4, 0), MakePixel(7, 8, 9, 2));  // 2.5
    EXPECT_EQ(half.at(5, 0), MakePixel(7, 8, 9, 100));
    EXPECT_TRUE(HalfOpacity(Bitmap()).empty());
}

}  // namespace
