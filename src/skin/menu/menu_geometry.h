#pragma once

#include <vector>

#include "gfx/geometry.h"

namespace skin {

class TspDataSkinMenuItem;
class TspDataSkinPopupWindow;

// What sizing a menu level needs from the skin: the popup frame (when the popup is skinned)
// and the menu-item record (when there is one).
struct MenuLook {
    const TspDataSkinPopupWindow* popup = nullptr;  // null for the plain frame
    gfx::Size framePicture;                         // the popup frame picture's size
    const TspDataSkinMenuItem* item = nullptr;      // null for the plain items
    int defaultItemHeight = 20;
    int imageColumn = 16;  // the image list's width + 5, or 16 without one
};

// The size of a level and whether its list scrolls (does not fit) or pages (is limited to
// a number of items).
struct LevelSize {
    gfx::Size size;
    bool scrolling = false;
    bool paging = false;
};

// The height of one item: separators take the divider's height, others the item's.
[[nodiscard]] int MenuItemHeight(const MenuLook& look, bool separator);

// The size of a level whose items have these heights and caption widths (text followed by
// two blanks and the shortcut, as measured); maxItems limits the items shown (0 for no
// limit) and a level never grows past workHeight.
[[nodiscard]] LevelSize MeasureLevel(const MenuLook& look, const std::vector<int>& heights,
                                     const std::vector<int>& textWidths, int maxItems, int workHeight);

// The items rectangle of a level of this size.
[[nodiscard]] gfx::Rect LevelItemsRect(const MenuLook& look, gfx::Size size);

// The four frame points of a skinned popup of this size (left-top, right-top,
// left-bottom, right-bottom), moved with the growth over the frame picture.
struct FramePoints {
    gfx::Point leftTop, rightTop, leftBottom, rightBottom;
};
[[nodiscard]] FramePoints LevelFramePoints(const MenuLook& look, gfx::Size size);

// Lays the items out from first down the items rectangle (10 pixels are left for each scroll
// marker when scrolling). Items before first and from the first that does not fit are not
// shown and get an empty rectangle. Returns how many are shown.
int LayOutMenuItems(const gfx::Rect& itemsRect, const std::vector<int>& heights, int first, bool scrolling,
                    std::vector<gfx::Rect>& rects);

// Where a level opens (screen pixels).
struct PlacementRequest {
    gfx::Rect anchor;  // the place it opens at, or the parent item's rectangle for a submenu
    gfx::Rect work;    // the work area of the monitor
    gfx::Size size;
    bool submenu = false;
    bool upwards = false;
    bool scrolling = false;
    bool paging = false;
    int itemsTop = 0;  // the top of the items rectangle, so a submenu's first item meets its parent
};
[[nodiscard]] gfx::Point PlaceLevel(const PlacementRequest& r);

}  // namespace skin
