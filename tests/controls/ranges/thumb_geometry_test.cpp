#include "controls/ranges/thumb_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using controls::PlaceThumb;
using controls::ValueFromOffset;

// The shipped "htrackbar" resized to 100 pixels: track 2..97, thumb 9 x 17.
const gfx::Rect kTrack{2, 1, 97, 18};
const gfx::Size kThumb{9, 17};

TEST(ThumbGeometryTest, HorizontalThumbCentreRunsHalfAThumbInsideTheTrack) {
    auto p = PlaceThumb(kTrack, kThumb, false, 1, 1, 10);
    EXPECT_EQ(p.start, 6);
    EXPECT_EQ(p.end, 93);
    EXPECT_EQ(p.offset, 0);
    EXPECT_EQ(p.thumb, (gfx::Rect{2, 1, 11, 18}));
    p = PlaceThumb(kTrack, kThumb, false, 10, 1, 10);
    EXPECT_EQ(p.thumb.left + kThumb.width / 2, 93);
    p = PlaceThumb(kTrack, kThumb, false, 2, 1, 10);
    EXPECT_EQ(p.offset, 10) << "87 / 9 = 9.67 rounds up";
}

TEST(ThumbGeometryTest, OffsetsRoundHalvesToEven) {
    // Track of 10 pixels for the centre, range 0..4: value 1 is 2.5, value 3 is 7.5.
    const gfx::Rect area{0, 0, 12, 10};
    EXPECT_EQ(PlaceThumb(area, {2, 2}, false, 1, 0, 4).offset, 2);
    EXPECT_EQ(PlaceThumb(area, {2, 2}, false, 3, 0, 4).offset, 8);
}

TEST(ThumbGeometryTest, VerticalBarHasItsMinimumAtTheBottom) {
    const gfx::Rect area{0, 2, 20, 102};
    auto low = PlaceThumb(area, {16, 8}, true, 0, 0, 100);
    EXPECT_EQ(low.start, 6);
    EXPECT_EQ(low.end, 98);
    EXPECT_EQ(low.thumb, (gfx::Rect{2, 94, 18, 102}));
    auto high = PlaceThumb(area, {16, 8}, true, 100, 0, 100);
    EXPECT_EQ(high.thumb.top, 2);
}

TEST(ThumbGeometryTest, EqualBoundsPutTheThumbAtTheStartAndEveryOffsetGivesThatValue) {
    EXPECT_EQ(PlaceThumb(kTrack, kThumb, false, 5, 5, 5).offset, 0);
    for (int o : {-10, 0, 40, 87, 200}) EXPECT_EQ(ValueFromOffset(o, 6, 93, 5, 5), 5);
}

TEST(ThumbGeometryTest, ValueFromOffsetIsLimitedToTheTrackAndRoundsHalvesToEven) {
    EXPECT_EQ(ValueFromOffset(-5, 6, 93, 1, 10), 1);
    EXPECT_EQ(ValueFromOffset(500, 6, 93, 1, 10), 10);
    // Length 8, range 0..4: offset 1 is 0.5 -> 0, offset 3 is 1.5 -> 2, offset 5 is 2.5 -> 2.
    EXPECT_EQ(ValueFromOffset(1, 0, 8, 0, 4), 0);
    EXPECT_EQ(ValueFromOffset(3, 0, 8, 0, 4), 2);
    EXPECT_EQ(ValueFromOffset(5, 0, 8, 0, 4), 2);
    EXPECT_EQ(ValueFromOffset(3, 5, 5, 0, 4), 0) << "a track without length";
}

TEST(ThumbGeometryTest, TheWidestRangeDoesNotOverflow) {
    EXPECT_EQ(ValueFromOffset(100, 0, 100, INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(ValueFromOffset(50, 0, 100, INT_MIN, INT_MAX), 0);
    EXPECT_EQ(ValueFromOffset(100, 0, 100, INT_MAX, INT_MIN), INT_MIN);
}

}  // namespace
