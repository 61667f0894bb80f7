#include "controls/containers/tab_layout.h"

#include <gtest/gtest.h>

namespace {

using controls::TabLayoutParams;
using controls::TabPosition;
using gfx::Rect;

TabLayoutParams Params(TabPosition position, int width, int height, int tabHeight = 18) {
    TabLayoutParams p;
    p.Position = position;
    p.Client = {width, height};
    p.TabHeight = tabHeight;
    return p;
}

TEST(TabLayoutTest, TopTabsTouchTheEdgeFollowEachOtherAndTheFirstStartsAtOne) {
    const auto rects = controls::LayoutTabs({60, 50, 70}, Params(TabPosition::Top, 300, 200), 0);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], (Rect{1, 0, 60, 18}));
    EXPECT_EQ(rects[1], (Rect{60, 0, 110, 18}));
    EXPECT_EQ(rects[2], (Rect{110, 0, 180, 18}));
}

TEST(TabLayoutTest, OtherSidesMoveTowardTheirEdge) {
    const auto bottom = controls::LayoutTabs({60}, Params(TabPosition::Bottom, 300, 200), 0);
    EXPECT_EQ(bottom[0], (Rect{1, 182, 60, 200}));
    const auto left = controls::LayoutTabs({60, 40}, Params(TabPosition::Left, 300, 200), 0);
    EXPECT_EQ(left[0], (Rect{1, 2, 18, 62}));
    EXPECT_EQ(left[1], (Rect{0, 62, 18, 102}));
    const auto right = controls::LayoutTabs({60}, Params(TabPosition::Right, 300, 200), 0);
    EXPECT_EQ(right[0], (Rect{283, 2, 300, 62}));
}

TEST(TabLayoutTest, ScrolledTabsLieLeftOfZeroAndAreCounted) {
    auto p = Params(TabPosition::Top, 150, 100);
    const auto unscrolled = controls::LayoutTabs({60, 60, 60}, p, 0);
    EXPECT_EQ(controls::TabsOutside(unscrolled, 150), 1);
    EXPECT_EQ(controls::TabsScrolledLeft(unscrolled), 0);
    p.FirstVisible = 1;
    const auto scrolled = controls::LayoutTabs({60, 60, 60}, p, 0);
    EXPECT_EQ(scrolled[0], (Rect{-59, 0, 0, 18}));
    EXPECT_EQ(scrolled[1], (Rect{0, 0, 60, 18}));
    EXPECT_EQ(controls::TabsScrolledLeft(scrolled), 1);
    EXPECT_EQ(controls::TabsOutside(scrolled, 150), 1);
}

TEST(TabLayoutTest, MultiLineWrapsAndKeepsTheSelectedRowNextToThePage) {
    auto p = Params(TabPosition::Top, 130, 200, 20);
    p.MultiLine = true;
    const std::vector<int> lengths{60, 60, 60, 60, 60};
    EXPECT_EQ(controls::TabRowCount(lengths, p), 3);
    // The selection in the first row: that row moves to the bottom, the last row takes its place.
    const auto rects = controls::LayoutTabs(lengths, p, 0);
    EXPECT_EQ(rects[0], (Rect{2, 40, 62, 60}));
    EXPECT_EQ(rects[2], (Rect{2, 20, 62, 40}));
    EXPECT_EQ(rects[4], (Rect{2, 0, 62, 20}));
    EXPECT_EQ(controls::NativeDisplayRect(p, 3).top, 66);
}

TEST(TabLayoutTest, PointsFindTheirTab) {
    const auto rects = controls::LayoutTabs({60, 50}, Params(TabPosition::Top, 300, 200), 0);
    EXPECT_EQ(controls::TabAt(rects, {0, 5}), -1);
    EXPECT_EQ(controls::TabAt(rects, {1, 5}), 0);
    EXPECT_EQ(controls::TabAt(rects, {60, 17}), 1);
    EXPECT_EQ(controls::TabAt(rects, {60, 18}), -1);
}

}  // namespace
