#pragma once

#include <vector>

#include "gfx/geometry.h"

namespace controls {

// Where a page control shows its tabs.
enum class TabPosition { Top, Bottom, Left, Right };

// What the tab layout needs to know of a page control.
struct TabLayoutParams {
    TabPosition Position = TabPosition::Top;
    bool MultiLine = false;
    gfx::Size Client;      // the control's client size
    int TabHeight = 20;    // the height of a tab row (the width of a column for side tabs)
    int FirstVisible = 0;  // how many visible tabs are scrolled out to the left (single line only)
};

// The rectangles of the visible tabs, in the order given by their lengths (the size along the
// strip: a fixed tab width or the caption's). Tabs start 2 pixels in from the control's edge and
// follow each other; scrolled-out tabs lie left of 0. Multi-line tabs wrap into rows, the row of
// the selected tab lying next to the page. Then every rectangle is moved 2 pixels toward the
// control's edge, and the first tab of a single line starts one pixel further right, so the tabs
// of a top strip begin at (1, 0).
[[nodiscard]] std::vector<gfx::Rect> LayoutTabs(const std::vector<int>& lengths, const TabLayoutParams& params,
                                                int selected);

// The number of rows (columns for side tabs) LayoutTabs uses; 1 for a single line.
[[nodiscard]] int TabRowCount(const std::vector<int>& lengths, const TabLayoutParams& params);

// The area left for the pages before any skin adjusts it: the client area inset by 4 with the
// tab rows taken off on the tabs' side.
[[nodiscard]] gfx::Rect NativeDisplayRect(const TabLayoutParams& params, int rows);

// The visible tab whose rectangle holds p, or -1.
[[nodiscard]] int TabAt(const std::vector<gfx::Rect>& rects, gfx::Point p);

// How many tabs lie outside a single-line strip: right edge at or left of 0, or beyond limit.
[[nodiscard]] int TabsOutside(const std::vector<gfx::Rect>& rects, int limit);
// How many tabs lie scrolled out to the left (right edge at or left of 0).
[[nodiscard]] int TabsScrolledLeft(const std::vector<gfx::Rect>& rects);

}  // namespace controls
