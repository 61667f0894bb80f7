#include "controls/containers/tab_layout.h"

#include <algorithm>

namespace controls {
namespace {

constexpr int kEdge = 2;  // tabs start this far in from the control's edge

bool Vertical(TabPosition p) { return p == TabPosition::Left || p == TabPosition::Right; }

// The room along the strip for one row of tabs.
int StripLength(const TabLayoutParams& params) {
    return (Vertical(params.Position) ? params.Client.height : params.Client.width) - 2 * kEdge;
}

// The row each tab falls in when tabs wrap; a tab longer than a whole row gets a row of its own.
std::vector<int> RowsOf(const std::vector<int>& lengths, const TabLayoutParams& params) {
    std::vector<int> rows(lengths.size(), 0);
    if (!params.MultiLine) return rows;
    const int room = StripLength(params);
    int row = 0;
    int used = 0;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (used > 0 && used + lengths[i] > room) {
            ++row;
            used = 0;
        }
        rows[i] = row;
        used += lengths[i];
    }
    return rows;
}

}  // namespace

int TabRowCount(const std::vector<int>& lengths, const TabLayoutParams& params) {
    const std::vector<int> rows = RowsOf(lengths, params);
    return rows.empty() ? 1 : rows.back() + 1;
}

std::vector<gfx::Rect> LayoutTabs(const std::vector<int>& lengths, const TabLayoutParams& params, int selected) {
    const std::vector<int> rows = RowsOf(lengths, params);
    const int rowCount = rows.empty() ? 1 : rows.back() + 1;
    const int h = params.TabHeight;
    const int w = params.Client.width;
    const int hh = params.Client.height;
    // The row holding the selection trades places with the row next to the page.
    const int selectedRow = selected >= 0 && selected < static_cast<int>(rows.size()) ? rows[selected] : rowCount - 1;
    auto placeOf = [&](int row) {
        if (row == selectedRow) return rowCount - 1;
        if (row == rowCount - 1) return selectedRow;
        return row;
    };

    int scrolled = 0;
    if (!params.MultiLine)
        for (int i = 0; i < std::min<int>(params.FirstVisible, lengths.size()); ++i) scrolled += lengths[i];

    std::vector<gfx::Rect> rects;
    rects.reserve(lengths.size());
    int along = kEdge - scrolled;
    int currentRow = 0;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (rows[i] != currentRow) {
            currentRow = rows[i];
            along = kEdge;
        }
        // Distance of the tab's row from the control's edge: the row next to the page is the last.
        const int across = kEdge + placeOf(rows[i]) * h;
        const int a0 = along;
        const int a1 = along + lengths[i];
        along = a1;
        gfx::Rect r;
        switch (params.Position) {
            case TabPosition::Top:
                r = {a0, across, a1, across + h};
                break;
            case TabPosition::Bottom:
                r = {a0, hh - across - h, a1, hh - across};
                break;
            case TabPosition::Left:
                r = {across, a0, across + h, a1};
                break;
            case TabPosition::Right:
                r = {w - across - h, a0, w - across, a1};
                break;
        }
        // Toward the control's edge, so the strip touches it.
        const int shiftAlong = params.MultiLine ? 0 : -kEdge;
        switch (params.Position) {
            case TabPosition::Top:
                r = r.translated(shiftAlong, -kEdge);
                break;
            case TabPosition::Bottom:
                r = r.translated(shiftAlong, kEdge);
                break;
            case TabPosition::Left:
                r = r.translated(-kEdge, 0);
                break;
            case TabPosition::Right:
                r = r.translated(kEdge, 0);
                break;
        }
        if (i == 0 && !params.MultiLine) ++r.left;
        rects.push_back(r);
    }
    return rects;
}

gfx::Rect NativeDisplayRect(const TabLayoutParams& params, int rows) {
    const int w = params.Client.width;
    const int h = params.Client.height;
    const int strip = rows * params.TabHeight;
    gfx::Rect r{4, 4, w - 4, h - 4};
    switch (params.Position) {
        case TabPosition::Top:
            r.top = strip + 6;
            break;
        case TabPosition::Bottom:
            r.bottom = h - strip - 4;
            break;
        case TabPosition::Left:
            r.left = strip + 4;
            break;
        case TabPosition::Right:
            r.right = w - strip - 4;
            break;
    }
    return r;
}

int TabAt(const std::vector<gfx::Rect>& rects, gfx::Point p) {
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (rects[i].contains(p)) return static_cast<int>(i);
    return -1;
}

int TabsOutside(const std::vector<gfx::Rect>& rects, int limit) {
    return static_cast<int>(
        std::count_if(rects.begin(), rects.end(), [&](const gfx::Rect& r) { return r.right > limit || r.right <= 0; }));
}

int TabsScrolledLeft(const std::vector<gfx::Rect>& rects) {
    return static_cast<int>(std::count_if(rects.begin(), rects.end(), [](const gfx::Rect& r) { return r.right <= 0; }));
}

}  // namespace controls
