#include "controls/ranges/bounded_values.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(TrackValueTest, ValueIsClampedAndOnlyARealChangeCounts) {
    controls::TrackValue v;
    EXPECT_EQ(v.Value(), 50);
    EXPECT_TRUE(v.SetValue(500));
    EXPECT_EQ(v.Value(), 100);
    EXPECT_FALSE(v.SetValue(101)) << "clamped to the value it already has";
    EXPECT_TRUE(v.SetValue(-3));
    EXPECT_EQ(v.Value(), 0);
}

TEST(TrackValueTest, BoundsPullTheValueInWithoutCheckingEachOther) {
    controls::TrackValue v;
    v.SetMax(10);
    EXPECT_EQ(v.Value(), 10);
    v.SetMin(20);
    EXPECT_EQ(v.Value(), 20);
    EXPECT_EQ(v.Max(), 10) << "Min above Max is stored as given";
    EXPECT_TRUE(v.SetValue(15));
    EXPECT_EQ(v.Value(), 10) << "Max is applied first";
}

TEST(UpDownPositionTest, OutOfRangeIsRefusedAndAnEqualPositionIsAccepted) {
    controls::UpDownPosition p;
    EXPECT_FALSE(p.SetPosition(101));
    EXPECT_FALSE(p.SetPosition(-1));
    EXPECT_EQ(p.Position(), 0);
    EXPECT_TRUE(p.SetPosition(0));
    EXPECT_TRUE(p.SetPosition(100));
    EXPECT_FALSE(p.Step(1, true)) << "a step past Max is refused";
    EXPECT_EQ(p.Position(), 100);
    EXPECT_TRUE(p.Step(7, false));
    EXPECT_EQ(p.Position(), 93);
    p.SetMax(50);
    EXPECT_EQ(p.Position(), 50);
    p.SetMin(60);
    EXPECT_EQ(p.Position(), 60);
}

TEST(UpDownPositionTest, StepsNearTheIntegerLimitsDoNotOverflow) {
    controls::UpDownPosition p;
    p.SetMax(INT_MAX);
    ASSERT_TRUE(p.SetPosition(INT_MAX - 1));
    EXPECT_FALSE(p.Step(INT_MAX, true));
    EXPECT_TRUE(p.Step(1, true));
    EXPECT_EQ(p.Position(), INT_MAX);
    p.SetMin(INT_MIN);
    ASSERT_TRUE(p.SetPosition(INT_MIN));
    EXPECT_FALSE(p.Step(INT_MIN, true)) << "minus the most negative increment";
}

}  // namespace
