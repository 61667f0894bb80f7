#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

#include "gfx/painter.h"
#include "pixel_art.h"

namespace {

using gfx::Bitmap;
using gfx::MakePixel;
using gfx::Painter;
using gfx::Pixel;
using gfx::Rect;
using gfx::Region;
using namespace painttest;

const Bitmap kSource = FromArt(
    "rg\n"
    "b#\n");

TEST(PainterCopy, CopyPlacesTheSourcePartAtTheTranslatedPoint) {
    Bitmap b(4, 3, kBack);
    Painter p(b);
    p.Translate({1, 1});
    p.Copy(kSource, kSource.rect(), {0, 0});
    EXPECT_EQ(Art(b),
              "....\n"
              ".rg.\n"
              ".b#.\n");
}

TEST(PainterCopy, CopyHangingOffEverySideIsClipped) {
    for (const auto& [dst, expected] : std::vector<std::pair<gfx::Point, std::string>>{{{-1, -1}, "#..\n...\n"},
                                                                                       {{2, -1}, "..b\n...\n"},
                                                                                       {{-1, 1}, "...\ng..\n"},
                                                                                       {{2, 1}, "...\n..r\n"},
                                                                                       {{3, 0}, "...\n...\n"},
                                                                                       {{-2, 0}, "...\n...\n"}}) {
        Bitmap b(3, 2, kBack);
        Painter p(b);
        p.Copy(kSource, kSource.rect(), dst);
        EXPECT_EQ(Art(b), expected) << "at " << dst.x << "," << dst.y;
    }
}

TEST(PainterCopy, SourceRectOutsideTheSourceReadsOnlyWhatExists) {
    Bitmap b(4, 4, kBack);
    Painter p(b);
    // The source rect starts one pixel above and left of the source: its part that
    // exists lands one pixel in, and the rest is left alone.
    p.Copy(kSource, {-1, -1, 5, 5}, {0, 0});
    EXPECT_EQ(Art(b),
              "....\n"
              ".rg.\n"
              ".b#.\n"
              "....\n");
    Bitmap untouched(2, 2, kBack);
    Painter q(untouched);
    q.Copy(kSource, {2, 0, 9, 2}, {0, 0});
    q.Copy(kSource, {1, 1, 0, 0}, {0, 0});
    q.Copy(Bitmap(), {0, 0, 2, 2}, {0, 0});
    EXPECT_EQ(untouched, Bitmap(2, 2, kBack));
}

TEST(PainterCopy, OverlappingCopyWithinTheTargetReadsTheOriginal) {
    Bitmap b = FromArt(
        "rgb.\n"
        "#r..\n"
        "....\n");
    Painter p(b);
    p.Copy(b, {0, 0, 3, 2}, {1, 1});
    EXPECT_EQ(Art(b),
              "rgb.\n"
              "#rgb\n"
              ".#r.\n");
    p.Stretch(b, {0, 0, 2, 1}, {0, 1, 4, 3});
    EXPECT_EQ(Art(b),
              "rgb.\n"
              "rrgg\n"
              "rrgg\n");
}

TEST(PainterStretch, EnlargingRepeatsEachPixel) {
    Bitmap b(4, 2, kBack);
    Painter p(b);
    p.Stretch(kSource, {0, 0, 2, 1}, {0, 0, 4, 2});
    EXPECT_EQ(Art(b),
              "rrgg\n"
              "rrgg\n");
}

TEST(PainterStretch, ShrinkingSamplesPixelCentres) {
    // Destination pixel i takes source floor((i + 0.5) * srcW / dstW): 4 -> 2 picks 1 and
    // 3; 3 -> 2 picks 0 and 2.
    const Bitmap four = FromArt("rgb#\n");
    Bitmap b(2, 1, kBack);
    Painter p(b);
    p.Stretch(four, four.rect(), {0, 0, 2, 1});
    EXPECT_EQ(Art(b), "g#\n");
    p.Stretch(four, {0, 0, 3, 1}, {0, 0, 2, 1});
    EXPECT_EQ(Art(b), "rb\n");
}

TEST(PainterStretch, OddScalesFollowTheCentreRule) {
    const Bitmap three = FromArt("rgb\n");
    Bitmap b(5, 1, kBack);
    Painter p(b);
    p.Stretch(three, three.rect(), b.rect());
    // floor((i + 0.5) * 3 / 5) for i = 0..4 is 0, 0, 1, 2, 2.
    EXPECT_EQ(Art(b), "rrgbb\n");
}

TEST(PainterStretch, ClippedDestinationKeepsTheMapping) {
    const Bitmap four = FromArt("rgb#\n");
    Bitmap b(4, 1, kBack);
    Painter p(b);
    p.ClipRect({2, 0, 3, 1});
    p.Stretch(four, four.rect(), {-4, 0, 4, 1});  // 8 wide: each source pixel twice
    EXPECT_EQ(Art(b), "..#.\n");
}

TEST(PainterStretch, SourceRectBeyondTheSourceSkipsMissingPixels) {
    const Bitmap two = FromArt("rg\n");
    Bitmap b(6, 1, kBack);
    Painter p(b);
    p.Stretch(two, {0, 0, 4, 1}, {0, 0, 8, 1});
    EXPECT_EQ(Art(b), "rrgg..\n");
    Bitmap c(3, 1, kBack);
    Painter q(c);
    q.Stretch(two, {-3, -3, -1, 2}, c.rect());
    q.Stretch(two, {0, 0, 2, 1}, {2, 0, 1, 1});
    EXPECT_EQ(c, Bitmap(3, 1, kBack));
}

TEST(PainterTransparent, KeyColourIsLeftOutWhateverItsAlpha) {
    const Bitmap src = FromArt(
        "r#r\n"
        "#r#\n");
    Bitmap b(3, 2, kBlue);
    Painter p(b);
    p.CopyTransparent(src, src.rect(), b.rect(), kRed & 0x00FFFFFFu);
    EXPECT_EQ(Art(b),
              "b#b\n"
              "#b#\n");
}

TEST(PainterTransparent, StretchesLikeStretch) {
    const Bitmap src = FromArt("r#\n");
    Bitmap b(4, 1, kBlue);
    Painter p(b);
    p.CopyTransparent(src, src.rect(), b.rect(), kRed);
    EXPECT_EQ(Art(b), "bb##\n");
}

TEST(PainterBlend, AlphaMixesAndRoundsToNearest) {
    Bitmap src(3, 1);
    src.set(0, 0, MakePixel(255, 255, 255, 128));
    src.set(1, 0, MakePixel(255, 0, 0, 0));
    src.set(2, 0, MakePixel(10, 20, 30, 255));
    Bitmap b(3, 1, MakePixel(0, 0, 100));
    Painter p(b);
    p.BlendCopy(src, src.rect(), {0, 0});
    // 255 * 128 / 255 = 128; 100 * 127 / 255 = 49.8 -> 50.
    EXPECT_EQ(b.at(0, 0), MakePixel(128, 128, 178));
    EXPECT_EQ(b.at(1, 0), MakePixel(0, 0, 100));
    EXPECT_EQ(b.at(2, 0), MakePixel(10, 20, 30));
}

TEST(PainterBlend, ConstantOpacityScalesEachAlpha) {
    Bitmap src(2, 1, MakePixel(255, 255, 255, 255));
    src.set(1, 0, MakePixel(255, 255, 255, 128));
    Bitmap b(2, 1, MakePixel(0, 0, 0));
    Painter p(b);
    p.BlendCopy(src, src.rect(), {0, 0}, 128);
    // Alpha 255 at 128 is 128; alpha 128 at 128 is round(64.25) = 64.
    EXPECT_EQ(b.at(0, 0), MakePixel(128, 128, 128));
    EXPECT_EQ(b.at(1, 0), MakePixel(64, 64, 64));
    p.BlendCopy(src, src.rect(), {0, 0}, 0);
    EXPECT_EQ(b.at(0, 0), MakePixel(128, 128, 128));
}

TEST(PainterBlend, OntoTransparentTargetBuildsAlpha) {
    Bitmap src(1, 1, MakePixel(200, 100, 50, 128));
    Bitmap b(1, 1, MakePixel(0, 0, 0, 0));
    Painter p(b);
    p.BlendCopy(src, src.rect(), {0, 0});
    EXPECT_EQ(gfx::PixelA(b.at(0, 0)), 128);
}

TEST(PainterBlend, ClippedLikeCopy) {
    Bitmap src(3, 3, MakePixel(255, 255, 255, 255));
    Bitmap b(2, 2, kBack);
    Painter p(b);
    p.BlendCopy(src, {-2, 0, 3, 3}, {-2, 1});
    EXPECT_EQ(Art(b),
              "..\n"
              "##\n");
}

TEST(PainterCoverage, CoverageBlendsTheColourThroughTheClip) {
    // Two rows of three coverage values, stored with a stride of four.
    const std::uint8_t mask[] = {255, 0, 128, 99, 64, 255, 0, 99};
    Bitmap b(4, 2, MakePixel(0, 0, 0));
    Painter p(b);
    p.ClipRect({0, 0, 3, 2});
    p.DrawCoverage(mask, 3, 2, 4, {1, 0}, MakePixel(255, 255, 255));
    EXPECT_EQ(b.at(0, 0), MakePixel(0, 0, 0));
    EXPECT_EQ(b.at(1, 0), MakePixel(255, 255, 255));
    EXPECT_EQ(b.at(2, 0), MakePixel(0, 0, 0));
    EXPECT_EQ(b.at(3, 0), MakePixel(0, 0, 0));  // clipped
    EXPECT_EQ(b.at(1, 1), MakePixel(64, 64, 64));
    EXPECT_EQ(b.at(2, 1), MakePixel(255, 255, 255));
}

TEST(PainterCoverage, GlyphsHangingOffTheTopLeftReadOnlyTheirVisiblePart) {
    const std::uint8_t mask[] = {1, 2, 3, 4, 5, 6, 7, 8, 255};
    Bitmap b(2, 2, MakePixel(0, 0, 0));
    Painter p(b);
    p.DrawCoverage(mask, 3, 3, 3, {-2, -2}, MakePixel(255, 0, 0));
    EXPECT_EQ(b.at(0, 0), MakePixel(255, 0, 0));
    EXPECT_EQ(b.at(1, 0), MakePixel(0, 0, 0));
    p.DrawCoverage(nullptr, 3, 3, 3, {0, 0}, kInk);
    p.DrawCoverage(mask, 3, 3, 2, {0, 0}, kInk);  // stride shorter than a row: refused
    EXPECT_EQ(b.at(1, 1), MakePixel(0, 0, 0));
}

// What a nearest-neighbour stretch must give at device pixel (x, y), by the centre rule,
// or nothing when the pixel lies outside the destination or the source.
std::optional<gfx::Pixel> ExpectedStretchPixel(const Bitmap& src, const Rect& srcRect, const Rect& dst, int x, int y) {
    if (!dst.contains(gfx::Point{x, y})) return std::nullopt;
    const int sx = srcRect.left + static_cast<int>(std::floor((x - dst.left + 0.5) * srcRect.width() / dst.width()));
    const int sy = srcRect.top + static_cast<int>(std::floor((y - dst.top + 0.5) * srcRect.height() / dst.height()));
    if (!src.rect().contains(gfx::Point{sx, sy})) return std::nullopt;
    return src.at(sx, sy);
}

gfx::Pixel Background(int x, int y) { return MakePixel(255, x * 20, y * 20); }

TEST(PainterStretch, MatchesTheCentreRuleThroughRegionClips) {
    std::mt19937 rng(5);
    Bitmap src(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) src.set(x, y, MakePixel(x * 30, y * 50, 7));
    std::uniform_int_distribution<int> coord(-4, 12);
    std::uniform_int_distribution<int> size(1, 14);
    for (int round = 0; round < 200; ++round) {
        const Rect srcRect = Rect::from_size(coord(rng) / 2, coord(rng) / 2, size(rng) / 2 + 1, size(rng) / 2 + 1);
        const Rect dst = Rect::from_size(coord(rng), coord(rng), size(rng), size(rng));
        const std::vector<Rect> clip = {Rect::from_size(coord(rng), coord(rng), size(rng), size(rng)),
                                        Rect::from_size(coord(rng), coord(rng), size(rng), size(rng))};
        const Region region = Region::FromRects(clip);
        const gfx::Pixel key = src.at(3, 2);
        // Every pixel of the target differs, so a pixel that should be left alone but is
        // overwritten with a neighbour's shows.
        Bitmap stretched(10, 10);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) stretched.set(x, y, Background(x, y));
        Bitmap keyed = stretched;
        Painter ps(stretched);
        Painter pk(keyed);
        ps.ClipRegion(region);
        pk.ClipRegion(region);
        ps.Stretch(src, srcRect, dst);
        pk.CopyTransparent(src, srcRect, dst, key);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const auto want =
                    region.Contains({x, y}) ? ExpectedStretchPixel(src, srcRect, dst, x, y) : std::nullopt;
                ASSERT_EQ(stretched.at(x, y), want.value_or(Background(x, y)))
                    << "round " << round << " at " << x << "," << y;
                // A pixel outside the clip reads as the key, which a keyed copy leaves alone.
                const gfx::Pixel copied = want.value_or(key);
                const gfx::Pixel wantKeyed = copied != key ? copied : Background(x, y);
                ASSERT_EQ(keyed.at(x, y), wantKeyed) << "round " << round << " at " << x << "," << y;
            }
        }
    }
}

TEST(PainterCopy, SelfCopyMatchesCopyingFromASnapshotWhereverTheSourceRectHangsOut) {
    // Source rectangles sticking out above and left of the bitmap shift what exists of
    // them, which is exactly where a copy onto itself can read pixels it already wrote.
    std::mt19937 rng(15);
    std::uniform_int_distribution<int> colour(0, 255);
    std::uniform_int_distribution<int> pos(-4, 6);
    std::uniform_int_distribution<int> len(0, 8);
    for (int round = 0; round < 400; ++round) {
        Bitmap b(6, 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) b.set(x, y, MakePixel(colour(rng), colour(rng), colour(rng)));
        const Rect src = Rect::from_size(pos(rng), pos(rng), len(rng), len(rng));
        const gfx::Point dst{pos(rng), pos(rng)};
        const Bitmap snapshot = b;
        Bitmap expected = b;
        Painter(expected).Copy(snapshot, src, dst);
        Painter(b).Copy(b, src, dst);
        ASSERT_EQ(b, expected) << "source " << src.left << "," << src.top << " " << src.width() << "x" << src.height()
                               << " at " << dst.x << "," << dst.y;
    }
}

TEST(PainterTransparent, HalfTransparentPixelsOfTheKeyColourAreLeftOut) {
    Bitmap src(3, 1, MakePixel(255, 0, 0, 128));
    src.set(1, 0, MakePixel(255, 0, 0, 0));
    src.set(2, 0, MakePixel(0, 255, 0, 128));
    Bitmap b(3, 1, kBlue);
    Painter(b).CopyTransparent(src, src.rect(), b.rect(), kRed);
    EXPECT_EQ(b.at(0, 0), kBlue);
    EXPECT_EQ(b.at(1, 0), kBlue);
    EXPECT_EQ(b.at(2, 0), MakePixel(0, 255, 0, 128)) << "other colours are copied, alpha and all";
}
}  // namespace
