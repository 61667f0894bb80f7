#include "platform/progress_bar.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressBarTest, PositionOutsideTheRangeIsKeptButDrawnAtTheNearerEnd) {
    platform::TProgressBar bar;
    bar.SetBounds(0, 0, 104, 16);
    bar.SetPosition(-10);
    EXPECT_EQ(bar.Position(), -10);
    EXPECT_EQ(bar.FilledWidth(), 0);
    bar.SetPosition(250);
    EXPECT_EQ(bar.Position(), 250);
    EXPECT_EQ(bar.FilledWidth(), 100);
    bar.SetPosition(40);
    EXPECT_EQ(bar.FilledWidth(), 40);
}

TEST(ProgressBarTest, AnEmptyOrInvertedRangeFillsNothing) {
    platform::TProgressBar bar;
    bar.SetBounds(0, 0, 104, 16);
    bar.SetMin(50);
    bar.SetMax(50);
    bar.SetPosition(50);
    EXPECT_EQ(bar.FilledWidth(), 0);
    bar.SetMax(10);
    EXPECT_EQ(bar.FilledWidth(), 0);
}

TEST(ProgressBarTest, ExtremeRangesDoNotOverflow) {
    platform::TProgressBar bar;
    bar.SetBounds(0, 0, 104, 16);
    bar.SetMin(std::numeric_limits<int>::min());
    bar.SetMax(std::numeric_limits<int>::max());
    bar.SetPosition(std::numeric_limits<int>::max());
    EXPECT_EQ(bar.FilledWidth(), 100);
    bar.SetPosition(0);
    EXPECT_EQ(bar.FilledWidth(), 50);
}

}  // namespace
