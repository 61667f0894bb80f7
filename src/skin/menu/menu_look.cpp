#include "skin/menu/menu_look.h"

#include "gfx/painter.h"
#include "skin/compose/frame_image.h"
#include "skin/compose/mask_region.h"
#include "skin/compose/skin_geometry.h"
#include "skin/compose/three_part.h"
#include "skin/menu/menu_geometry.h"
#include "skin/menu/skin_menu_item.h"
#include "skin/records/data_popup_window.h"
#include "skin/records/data_skin_object.h"

namespace skin {

namespace {

SkinGeometry PopupGeometry(const TspDataSkinPopupWindow& popup, gfx::Size picture) {
    SkinGeometry g;
    g.SkinRect = {0, 0, picture.width, picture.height};
    g.LeftTop = popup.LeftTopPoint;
    g.RightTop = popup.RightTopPoint;
    g.LeftBottom = popup.LeftBottomPoint;
    g.RightBottom = popup.RightBottomPoint;
    g.ClientRect = popup.ItemsRect;
    g.LeftStretch = popup.LeftStretch;
    g.TopStretch = popup.TopStretch;
    g.RightStretch = popup.RightStretch;
    g.BottomStretch = popup.BottomStretch;
    g.StretchEffect = popup.StretchEffect;
    g.StretchType = popup.StretchType;
    return g;
}

ResizedGeometry PopupResized(const TspDataSkinPopupWindow& popup, gfx::Size picture, gfx::Size size) {
    MenuLook look;
    look.popup = &popup;
    look.framePicture = picture;
    const FramePoints points = LevelFramePoints(look, size);
    return {points.leftTop, points.rightTop, points.leftBottom, points.rightBottom, LevelItemsRect(look, size)};
}

// Frame i of an animation strip: stacked top to bottom when the strip is taller than one
// item picture, side by side otherwise.
gfx::Rect AnimationFrameRect(const TspDataSkinMenuItem& r, int frame) {
    const gfx::Rect strip = r.AnimateSkinRect;
    if (strip.height() > r.SkinRect.height()) {
        const int h = strip.height() / r.FrameCount;
        return gfx::Rect::from_size(strip.left, strip.top + frame * h, strip.width(), h);
    }
    const int w = strip.width() / r.FrameCount;
    return gfx::Rect::from_size(strip.left + frame * w, strip.top, w, strip.height());
}

}  // namespace

void ComposePopupFrame(gfx::Bitmap& image, const gfx::Bitmap& picture, const TspDataSkinPopupWindow& popup,
                       gfx::Size size) {
    ComposeFrameImage(image, picture, picture.rect(), PopupGeometry(popup, picture.size()),
                      PopupResized(popup, picture.size(), size), size.width, size.height, true);
}

std::optional<gfx::Region> PopupOutline(const gfx::Bitmap& mask, const TspDataSkinPopupWindow& popup, gfx::Size size) {
    return MaskRegion(mask, mask.rect(), PopupGeometry(popup, mask.size()), PopupResized(popup, mask.size(), size),
                      ResizeMode::Both, size.width, size.height);
}

void DrawSkinnedItemBackground(gfx::Bitmap& image, const MenuItemLook& look, bool separator, bool selected, int frame) {
    const TspDataSkinMenuItem& r = *look.record;
    gfx::Rect source;
    int left = r.ItemLeftOffset;
    int right = r.ItemRightOffset;
    bool stretch = false;
    if (separator) {
        source = r.DividerRect;
        left = r.DividerLeftOffset;
        right = r.DividerRightOffset;
        stretch = r.DividerStretchEffect;
    } else if (frame >= 0 && r.FrameCount > 0 && !r.AnimateSkinRect.empty()) {
        source = AnimationFrameRect(r, frame);
        stretch = r.InActiveStretchEffect || r.StretchEffect;
    } else if (selected && !r.ActiveSkinRect.empty()) {
        source = r.ActiveSkinRect;
        stretch = r.StretchEffect;
    } else {
        source = r.SkinRect;
        stretch = r.InActiveStretchEffect;
    }
    if (source.empty() || !look.picture) return;
    gfx::Bitmap own;
    gfx::Bitmap* cached = nullptr;
    if (look.backgrounds && frame < 0)
        cached = separator ? &look.backgrounds->divider
                           : (source == r.ActiveSkinRect ? &look.backgrounds->selected : &look.backgrounds->normal);
    gfx::Bitmap& strip = cached ? *cached : own;
    if (!cached || strip.width() != image.width())
        ComposeHorzImage(strip, *look.picture, source, left, right, image.width(), stretch);
    gfx::Painter p(image);
    // A strip of another height than the item is fitted to it.
    if (strip.height() == image.height())
        p.Copy(strip, strip.rect(), {0, 0});
    else
        p.Stretch(strip, strip.rect(), image.rect());
}

}  // namespace skin
