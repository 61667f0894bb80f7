#include "skin/compose/skin_geometry.h"

#include "skin/records/data_form_info.h"
#include "skin/records/data_skin_control.h"

namespace skin {

SkinGeometry GeometryOf(const TspDataSkinCustomControl& s) {
    return {s.SkinRect,    s.LeftTopPoint, s.RightTopPoint, s.LeftBottomPoint, s.RightBottomPoint, s.ClientRect,
            s.LeftStretch, s.TopStretch,   s.RightStretch,  s.BottomStretch,   s.StretchEffect,    s.StretchType};
}

SkinGeometry GeometryOf(const TspDataSkinFormInfo& f, const gfx::Rect& frameRect) {
    return {frameRect,     f.LeftTopPoint, f.RightTopPoint, f.LeftBottomPoint, f.RightBottomPoint, f.ClientRect,
            f.LeftStretch, f.TopStretch,   f.RightStretch,  f.BottomStretch,   f.StretchEffect,    f.StretchType};
}

ResizeMode ResizeModeOf(const SkinGeometry& g) {
    if (g.SkinRect.empty()) return ResizeMode::None;
    if (g.RightBottom.x != 0 && g.RightBottom.y != 0) return ResizeMode::Both;
    if (g.RightTop != gfx::Point{}) return ResizeMode::Horizontal;
    if (g.LeftBottom != gfx::Point{}) return ResizeMode::Vertical;
    return ResizeMode::Fixed;
}

ResizedGeometry Unresized(const SkinGeometry& g) {
    return {g.LeftTop, g.RightTop, g.LeftBottom, g.RightBottom, g.ClientRect};
}

ResizedGeometry FitSkinSize(const SkinGeometry& g, ResizeMode mode, gfx::Size& size) {
    ResizedGeometry r = Unresized(g);
    const int dW = size.width - g.SkinRect.width();
    const int dH = size.height - g.SkinRect.height();
    switch (mode) {
        case ResizeMode::Both:
            r.RightTop.x += dW;
            r.LeftBottom.y += dH;
            r.RightBottom = r.RightBottom + gfx::Point{dW, dH};
            r.ClientRect.right += dW;
            r.ClientRect.bottom += dH;
            break;
        case ResizeMode::Horizontal:
            size.height = g.SkinRect.height();
            r.RightTop.x += dW;
            r.RightBottom.x += dW;
            r.ClientRect.right += dW;
            break;
        case ResizeMode::Vertical:
            size.width = g.SkinRect.width();
            r.LeftBottom.y += dH;
            r.RightBottom.y += dH;
            r.ClientRect.bottom += dH;
            break;
        case ResizeMode::Fixed:
            size = g.SkinRect.size();
            break;
        case ResizeMode::None:
            break;
    }
    return r;
}

namespace {

// Both corners inside q, q's right and bottom edges excluded.
bool Within(const gfx::Rect& r, const gfx::Rect& q) { return q.contains(r.top_left()) && q.contains(r.bottom_right()); }

// p inside q with every edge included.
bool On(gfx::Point p, const gfx::Rect& q) { return p.x >= q.left && p.x <= q.right && p.y >= q.top && p.y <= q.bottom; }

gfx::Rect MapBoth(gfx::Rect r, const SkinGeometry& g, int dW, int dH) {
    const int w = g.SkinRect.width();
    const int h = g.SkinRect.height();
    const gfx::Rect tl{0, 0, g.LeftTop.x, g.LeftTop.y};
    const gfx::Rect tr{g.RightTop.x, 0, w, g.RightTop.y};
    const gfx::Rect bl{0, g.LeftBottom.y, g.LeftBottom.x, h};
    const gfx::Rect br{g.RightBottom.x, g.RightBottom.y, w, h};
    if (Within(r, tl)) return r;
    if (Within(r, tr)) return r.translated(dW, 0);
    if (Within(r, bl)) return r.translated(0, dH);
    if (Within(r, br)) return r.translated(dW, dH);
    const gfx::Point a = r.top_left();
    const gfx::Point b = r.bottom_right();
    if (On(a, tl) && On(b, br)) return {r.left, r.top, r.right + dW, r.bottom + dH};
    if (On(a, tl) && On(b, tr)) return {r.left, r.top, r.right + dW, r.bottom};
    if (On(a, bl) && On(b, br)) return {r.left, r.top + dH, r.right + dW, r.bottom + dH};
    if (On(a, tl) && On(b, bl)) return {r.left, r.top, r.right, r.bottom + dH};
    if (On(a, tr) && On(b, br)) return {r.left + dW, r.top, r.right + dW, r.bottom + dH};
    return r;
}

}  // namespace

gfx::Rect MapSkinRect(const gfx::Rect& r, const SkinGeometry& g, ResizeMode mode, gfx::Size size) {
    const int dW = size.width - g.SkinRect.width();
    const int dH = size.height - g.SkinRect.height();
    switch (mode) {
        case ResizeMode::Both:
            return MapBoth(r, g, dW, dH);
        case ResizeMode::Horizontal:
            if (r.left <= g.LeftTop.x && r.right >= g.RightTop.x) return {r.left, r.top, r.right + dW, r.bottom};
            if (r.left >= g.RightTop.x && r.right > g.RightTop.x) return r.translated(dW, 0);
            return r;
        case ResizeMode::Vertical:
            if (r.top <= g.LeftTop.y && r.bottom >= g.LeftBottom.y) return {r.left, r.top, r.right, r.bottom + dH};
            if (r.top >= g.LeftBottom.y && r.bottom > g.LeftBottom.y) return r.translated(0, dH);
            return r;
        case ResizeMode::Fixed:
        case ResizeMode::None:
            break;
    }
    return r;
}

SkinGeometry StretchedAroundClient(const SkinGeometry& g) {
    SkinGeometry s = g;
    const gfx::Rect& c = g.ClientRect;
    s.LeftTop = {c.left, c.top};
    s.RightTop = {c.right, c.top};
    s.LeftBottom = {c.left, c.bottom};
    s.RightBottom = {c.right, c.bottom};
    s.LeftStretch = s.TopStretch = s.RightStretch = s.BottomStretch = s.StretchEffect = true;
    s.StretchType = TspStretchType::Full;
    return s;
}

}  // namespace skin
