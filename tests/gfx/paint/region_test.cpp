#include "gfx/region.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace {

using gfx::Point;
using gfx::Rect;
using gfx::Region;

bool AnyContains(const std::vector<Rect>& rects, Point p) {
    for (const Rect& r : rects)
        if (r.contains(p)) return true;
    return false;
}

// The canonical form: rectangles sorted by top then left, none overlapping, none empty.
void ExpectCanonical(const Region& region) {
    const auto& rects = region.Rects();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        EXPECT_FALSE(rects[i].empty());
        for (std::size_t j = i + 1; j < rects.size(); ++j) {
            EXPECT_FALSE(rects[i].intersects(rects[j])) << "rects " << i << " and " << j << " overlap";
            const bool ordered =
                rects[i].top < rects[j].top || (rects[i].top == rects[j].top && rects[i].left < rects[j].left);
            EXPECT_TRUE(ordered) << "rects " << i << " and " << j << " out of order";
        }
    }
}

std::vector<Rect> RandomRects(std::mt19937& rng, int count, int extent) {
    std::uniform_int_distribution<int> pos(-2, extent);
    std::uniform_int_distribution<int> len(-1, 8);
    std::vector<Rect> rects;
    for (int i = 0; i < count; ++i) rects.push_back(Rect::from_size(pos(rng), pos(rng), len(rng), len(rng)));
    return rects;
}

TEST(RegionBuild, OverlappingRectanglesBecomeBands) {
    const std::vector<Rect> input = {{0, 0, 4, 4}, {2, 2, 6, 6}};
    const Region region = Region::FromRects(input);
    const std::vector<Rect> expected = {{0, 0, 4, 2}, {0, 2, 6, 4}, {2, 4, 6, 6}};
    EXPECT_EQ(region.Rects(), expected);
}

TEST(RegionBuild, TouchingRunsMergeAcrossAndDown) {
    // Four one-pixel runs that make up one 4 x 2 block.
    const std::vector<Rect> runs = {{0, 0, 2, 1}, {2, 0, 4, 1}, {0, 1, 3, 2}, {3, 1, 4, 2}};
    EXPECT_EQ(Region::FromRects(runs).Rects(), std::vector<Rect>({{0, 0, 4, 2}}));
}

TEST(RegionBuild, EmptyAndInvertedRectanglesAddNothing) {
    const std::vector<Rect> input = {{5, 5, 5, 9}, {3, 3, 1, 8}, {0, 4, 2, 2}};
    EXPECT_TRUE(Region::FromRects(input).IsEmpty());
    EXPECT_TRUE(Region(Rect{2, 2, 1, 1}).IsEmpty());
    Region r(Rect{0, 0, 2, 2});
    r.Unite(Rect{9, 9, 3, 3});
    EXPECT_EQ(r, Region(Rect{0, 0, 2, 2}));
}

TEST(RegionBuild, OrderOfInputDoesNotMatter) {
    std::mt19937 rng(7);
    std::vector<Rect> rects = RandomRects(rng, 60, 30);
    const Region forward = Region::FromRects(rects);
    std::shuffle(rects.begin(), rects.end(), rng);
    EXPECT_EQ(Region::FromRects(rects), forward);

    Region oneByOne;
    for (const Rect& r : rects) oneByOne.Unite(r);
    EXPECT_EQ(oneByOne, forward);
}

TEST(RegionBuild, RandomRectanglesCoverExactlyTheirPixels) {
    std::mt19937 rng(42);
    for (int round = 0; round < 20; ++round) {
        const std::vector<Rect> rects = RandomRects(rng, 25, 24);
        const Region region = Region::FromRects(rects);
        ExpectCanonical(region);
        for (int y = -3; y < 34; ++y)
            for (int x = -3; x < 34; ++x)
                ASSERT_EQ(region.Contains({x, y}), AnyContains(rects, {x, y}))
                    << "round " << round << " at " << x << "," << y;
    }
}

TEST(RegionBuild, MaskWithManyRunsStaysExact) {
    // A checkerboard mask of 200 x 120 pixels gives 12000 one-pixel runs, none touching.
    std::vector<Rect> runs;
    for (int y = 0; y < 120; ++y)
        for (int x = y % 2; x < 200; x += 2) runs.push_back({x, y, x + 1, y + 1});
    const Region region = Region::FromRects(runs);
    EXPECT_EQ(region.Rects().size(), runs.size());
    EXPECT_EQ(region.Bounds(), (Rect{0, 0, 200, 120}));
    EXPECT_TRUE(region.Contains({0, 0}));
    EXPECT_FALSE(region.Contains({1, 0}));
    EXPECT_TRUE(region.Contains({199, 119}));
    EXPECT_FALSE(region.Contains({198, 119}));

    Region scanned;
    for (const Rect& run : runs) scanned.Unite(run);
    EXPECT_EQ(scanned, region);
}

TEST(RegionBuild, UnitingRunsOneByOneEqualsBuildingAtOnce) {
    // Runs of a ring-shaped mask added row after row, as a mask scan produces them, and
    // a few rectangles dropped in out of order across several bands.
    std::vector<Rect> runs;
    for (int y = 0; y < 40; ++y) {
        const int inset = std::abs(20 - y) / 2;
        runs.push_back({inset, y, 10 + inset, y + 1});
        runs.push_back({30 - inset, y, 40 - inset, y + 1});
        runs.push_back({40 - inset, y, 42, y + 1});  // touches the run before it
    }
    Region oneByOne;
    for (const Rect& r : runs) oneByOne.Unite(r);
    EXPECT_EQ(oneByOne, Region::FromRects(runs));

    for (const Rect& r : {Rect{5, 3, 35, 6}, Rect{-3, 30, 2, 50}, Rect{12, 10, 14, 12}}) {
        runs.push_back(r);
        oneByOne.Unite(r);
        ExpectCanonical(oneByOne);
        EXPECT_EQ(oneByOne, Region::FromRects(runs));
    }
}

TEST(RegionQuery, BoundsOfEmptyIsEmpty) {
    EXPECT_TRUE(Region().Bounds().empty());
    const std::vector<Rect> rects = {{3, 1, 5, 2}, {-2, 6, 0, 9}};
    EXPECT_EQ(Region::FromRects(rects).Bounds(), (Rect{-2, 1, 5, 9}));
}

TEST(RegionQuery, ContainsExcludesRightAndBottomEdges) {
    const Region r(Rect{1, 1, 3, 3});
    EXPECT_TRUE(r.Contains({1, 1}));
    EXPECT_TRUE(r.Contains({2, 2}));
    EXPECT_FALSE(r.Contains({3, 2}));
    EXPECT_FALSE(r.Contains({2, 3}));
    EXPECT_FALSE(r.Contains({0, 1}));
}

TEST(RegionOps, IntersectionsMatchPixelSets) {
    std::mt19937 rng(3);
    for (int round = 0; round < 20; ++round) {
        const std::vector<Rect> a = RandomRects(rng, 15, 20);
        const std::vector<Rect> b = RandomRects(rng, 15, 20);
        const Rect clip = Rect::from_size(rng() % 10, rng() % 10, int(rng() % 15), int(rng() % 15));
        const Region ra = Region::FromRects(a);
        const Region rb = Region::FromRects(b);
        const Region withRect = ra.Intersected(clip);
        const Region withRegion = ra.Intersected(rb);
        ExpectCanonical(withRect);
        ExpectCanonical(withRegion);
        for (int y = -3; y < 30; ++y) {
            for (int x = -3; x < 30; ++x) {
                const Point p{x, y};
                ASSERT_EQ(withRect.Contains(p), AnyContains(a, p) && clip.contains(p));
                ASSERT_EQ(withRegion.Contains(p), AnyContains(a, p) && AnyContains(b, p));
            }
        }
    }
}

TEST(RegionOps, IntersectionThatCutsBandsApartRecoalesces) {
    // Two bands differ only left of x = 4; clipped to x >= 4 they are one rectangle.
    const std::vector<Rect> rects = {{0, 0, 8, 2}, {2, 2, 8, 4}};
    EXPECT_EQ(Region::FromRects(rects).Intersected(Rect{4, 0, 10, 10}).Rects(), std::vector<Rect>({{4, 0, 8, 4}}));
}

TEST(RegionOps, UniteRegionsEqualsBuildingFromAllRectangles) {
    std::mt19937 rng(11);
    const std::vector<Rect> a = RandomRects(rng, 20, 20);
    const std::vector<Rect> b = RandomRects(rng, 20, 20);
    Region united = Region::FromRects(a);
    united.Unite(Region::FromRects(b));
    std::vector<Rect> all = a;
    all.insert(all.end(), b.begin(), b.end());
    EXPECT_EQ(united, Region::FromRects(all));
}

TEST(RegionOps, TranslateMovesEveryRectangle) {
    const std::vector<Rect> rects = {{0, 0, 2, 1}, {1, 1, 3, 2}};
    Region r = Region::FromRects(rects);
    const Region moved = r.Translated({5, -1});
    EXPECT_EQ(moved.Rects(), std::vector<Rect>({{5, -1, 7, 0}, {6, 0, 8, 1}}));
    r.Translate({5, -1});
    EXPECT_EQ(r, moved);
}

TEST(RegionBuild, ARectangleDirectlyAboveABandWithTheSameSpansJoinsIt) {
    // Added above, below, or as the first of a list: one band either way, not two.
    Region above(Rect{1, 3, 5, 6});
    above.Unite(Rect{1, 0, 5, 3});
    EXPECT_EQ(above.Rects(), std::vector<Rect>({{1, 0, 5, 6}}));
    Region below(Rect{1, 0, 5, 3});
    below.Unite(Rect{1, 3, 5, 6});
    EXPECT_EQ(below.Rects(), std::vector<Rect>({{1, 0, 5, 6}}));
    // Two spans a band, with the same two spans in the band added on top.
    Region twoSpans = Region::FromRects(std::vector<Rect>{{0, 2, 2, 4}, {3, 2, 5, 4}});
    twoSpans.Unite(Region::FromRects(std::vector<Rect>{{0, 0, 2, 2}, {3, 0, 5, 2}}));
    EXPECT_EQ(twoSpans.Rects(), std::vector<Rect>({{0, 0, 2, 4}, {3, 0, 5, 4}}));
}
}  // namespace
