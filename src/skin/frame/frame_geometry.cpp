#include "skin/frame/frame_geometry.h"

namespace skin {

FrameGeometry FrameGeometry::Compute(const TspDataSkinFormInfo& info, gfx::Size picture, gfx::Size window) {
    FrameGeometry g;
    g.picture = picture;
    g.window = window;
    g.dx = window.width - picture.width;
    g.dy = window.height - picture.height;
    const gfx::Rect& c = info.ClientRect;
    g.leftBorder = c.left;
    g.topBorder = c.top;
    g.rightBorder = picture.width - c.right;
    g.bottomBorder = picture.height - c.bottom;
    g.client = {c.left, c.top, c.right + g.dx, c.bottom + g.dy};
    g.pictureLeftTop_ = info.LeftTopPoint;
    g.pictureRightTop_ = info.RightTopPoint;
    g.pictureLeftBottom_ = info.LeftBottomPoint;
    g.pictureRightBottom_ = info.RightBottomPoint;
    const auto right = [&](gfx::Point p) { return gfx::Point{p.x + g.dx, p.y}; };
    const auto down = [&](gfx::Point p) { return gfx::Point{p.x, p.y + g.dy}; };
    g.leftTop = info.LeftTopPoint;
    g.rightTop = right(info.RightTopPoint);
    g.leftBottom = down(info.LeftBottomPoint);
    g.rightBottom = right(down(info.RightBottomPoint));
    g.hitLeftTop = info.HitTestLeftTopPoint;
    g.hitRightTop = right(info.HitTestRightTopPoint);
    g.hitLeftBottom = down(info.HitTestLeftBottomPoint);
    g.hitRightBottom = right(down(info.HitTestRightBottomPoint));
    const gfx::Rect& m = info.MaskRectArea;
    g.maskArea = {m.left, m.top, m.right + g.dx, m.bottom + g.dy};
    if (!info.CaptionRect.empty()) {
        g.caption = info.CaptionRect;
        g.caption.right += g.dx;
    }
    if (!info.ButtonsRect.empty()) {
        g.buttons = info.ButtonsRect;
        // Buttons on the right half of the picture stay with the right edge.
        if (g.buttons.left > picture.width / 2) g.buttons = g.buttons.translated(g.dx, 0);
    }
    return g;
}

gfx::Rect FrameGeometry::MapByZones(const gfx::Rect& r) const {
    const gfx::Rect tl{0, 0, pictureLeftTop_.x, pictureLeftTop_.y};
    const gfx::Rect tr{pictureRightTop_.x, 0, picture.width, pictureRightTop_.y};
    const gfx::Rect bl{0, pictureLeftBottom_.y, pictureLeftBottom_.x, picture.height};
    const gfx::Rect br{pictureRightBottom_.x, pictureRightBottom_.y, picture.width, picture.height};
    const gfx::Point a = r.top_left();
    const gfx::Point b = r.bottom_right();
    // Zones count their left and top edges in and their right and bottom edges out, for both
    // corners alike.
    const auto in = [](const gfx::Rect& zone, gfx::Point p) { return zone.contains(p); };
    const auto inside = [&](const gfx::Rect& zone) { return in(zone, a) && in(zone, b); };
    if ((tl.empty() && tr.empty() && bl.empty() && br.empty()) || inside(tl)) return r;
    if (inside(tr)) return r.translated(dx, 0);
    if (inside(bl)) return r.translated(0, dy);
    if (inside(br)) return r.translated(dx, dy);
    if (in(tl, a) && in(br, b)) return {r.left, r.top, r.right + dx, r.bottom + dy};
    if (in(tl, a) && in(tr, b)) return {r.left, r.top, r.right + dx, r.bottom};
    if (in(bl, a) && in(br, b)) return {r.left, r.top + dy, r.right + dx, r.bottom + dy};
    if (in(tl, a) && in(bl, b)) return {r.left, r.top, r.right, r.bottom + dy};
    if (in(tr, a) && in(br, b)) return {r.left + dx, r.top, r.right + dx, r.bottom + dy};
    return r;
}

}  // namespace skin
