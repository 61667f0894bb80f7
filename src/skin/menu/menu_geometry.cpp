#include "skin/menu/menu_geometry.h"

#include <algorithm>

#include "skin/records/data_popup_window.h"
#include "skin/records/data_skin_object.h"

namespace skin {

namespace {
constexpr int kMarkerHeight = 10;  // each scroll marker
constexpr int kArrowColumn = 16;
constexpr int kPlainFrameWidth = 10;
constexpr int kPlainFrameHeight = 6;
constexpr int kPlainSeparatorHeight = 4;
}  // namespace

int MenuItemHeight(const MenuLook& look, bool separator) {
    if (look.item) return separator ? look.item->DividerRect.height() : look.item->SkinRect.height();
    return separator ? kPlainSeparatorHeight : look.defaultItemHeight;
}

LevelSize MeasureLevel(const MenuLook& look, const std::vector<int>& heights, const std::vector<int>& textWidths,
                       int maxItems, int workHeight) {
    LevelSize out;
    int width = 0;
    for (int w : textWidths) width = std::max(width, w + 2);
    width += look.imageColumn + kArrowColumn;
    if (look.popup) {
        width += look.framePicture.width - look.popup->ItemsRect.width();
        if (look.item) width += look.item->TextRect.left + look.item->SkinRect.width() - look.item->TextRect.right;
    } else {
        width += kPlainFrameWidth;
    }
    const int frameHeight = look.popup ? look.framePicture.height - look.popup->ItemsRect.height() : kPlainFrameHeight;
    int height = frameHeight;
    for (int h : heights) height += h;
    if (maxItems > 0 && maxItems < static_cast<int>(heights.size())) {
        height = maxItems * MenuItemHeight(look, false) + frameHeight + 2 * kMarkerHeight;
        out.scrolling = true;
        out.paging = true;
    }
    if (height > workHeight) {
        height = workHeight;
        out.scrolling = true;
    }
    out.size = {width, height};
    return out;
}

gfx::Rect LevelItemsRect(const MenuLook& look, gfx::Size size) {
    if (!look.popup) return {3, 3, size.width - 3, size.height - 3};
    const int dw = size.width - look.framePicture.width;
    const int dh = size.height - look.framePicture.height;
    const gfx::Rect r = look.popup->ItemsRect;
    return {r.left, r.top, r.right + dw, r.bottom + dh};
}

FramePoints LevelFramePoints(const MenuLook& look, gfx::Size size) {
    if (!look.popup) return {};
    const int dw = size.width - look.framePicture.width;
    const int dh = size.height - look.framePicture.height;
    const TspDataSkinPopupWindow& p = *look.popup;
    return {p.LeftTopPoint,
            {p.RightTopPoint.x + dw, p.RightTopPoint.y},
            {p.LeftBottomPoint.x, p.LeftBottomPoint.y + dh},
            {p.RightBottomPoint.x + dw, p.RightBottomPoint.y + dh}};
}

int LayOutMenuItems(const gfx::Rect& itemsRect, const std::vector<int>& heights, int first, bool scrolling,
                    std::vector<gfx::Rect>& rects) {
    rects.assign(heights.size(), gfx::Rect{});
    const int bottom = itemsRect.bottom - (scrolling ? kMarkerHeight : 0);
    int y = itemsRect.top + (scrolling ? kMarkerHeight : 0);
    int shown = 0;
    for (std::size_t i = static_cast<std::size_t>(std::max(first, 0)); i < heights.size(); ++i) {
        if (y + heights[i] > bottom) break;
        rects[i] = {itemsRect.left, y, itemsRect.right, y + heights[i]};
        y += heights[i];
        ++shown;
    }
    return shown;
}

gfx::Point PlaceLevel(const PlacementRequest& r) {
    const gfx::Rect& a = r.anchor;
    const gfx::Rect& work = r.work;
    const int w = r.size.width;
    const int h = r.size.height;
    const bool upperHalf = a.top < work.top + work.height() / 2;
    bool moved = false;
    int y = 0;
    if (r.submenu) {
        y = a.top - r.itemsTop;
        if (y + h > work.bottom) y = upperHalf ? work.bottom - h : std::max(a.bottom + r.itemsTop - h, work.top);
    } else if (r.upwards) {
        if (a.top - h >= work.top) {
            y = a.top - h;
        } else {
            moved = true;
            if (upperHalf)
                y = a.bottom + h <= work.bottom ? a.bottom : work.bottom - h;
            else
                y = work.top;
        }
    } else if (a.bottom + h <= work.bottom) {
        y = a.bottom;
    } else if (upperHalf) {
        y = work.bottom - h;
        moved = true;
    } else if (a.top - h >= work.top) {
        y = a.top - h;
    } else {
        y = work.top;
        moved = true;
    }
    if (r.scrolling && !r.paging) y = work.top;

    int x = 0;
    if (!r.submenu && !moved && (!r.scrolling || r.paging)) {
        x = a.left;
        if (x + w > work.right) x = work.right - w;
        if (x < work.left) x = work.left;
    } else {
        x = work.right >= a.right + w + 1 ? a.right + 1 : a.left - w - 1;
    }
    return {x, y};
}

}  // namespace skin
