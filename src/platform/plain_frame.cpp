#include "platform/plain_frame.h"

#include "gfx/text.h"
#include "platform/form.h"

namespace platform {

namespace {
constexpr int kCornerGrip = 16;  // how far along an edge a corner still sizes diagonally
}

int PlainFrame::Border() const { return form_.BorderStyle == BorderStyle::None ? 0 : 3; }

int PlainFrame::CaptionHeight() const {
    switch (form_.BorderStyle) {
        case BorderStyle::None:
            return 0;
        case BorderStyle::ToolWindow:
            return 15;
        default:
            return 19;
    }
}

gfx::Rect PlainFrame::ClientRect(gfx::Size window) const {
    const int b = Border();
    return {b, b + CaptionHeight(), window.width - b, window.height - b};
}

void PlainFrame::PaintNonClient(gfx::Painter& painter, gfx::Size window) {
    if (form_.BorderStyle == BorderStyle::None) return;
    const gfx::Rect all{0, 0, window.width, window.height};
    const gfx::Pixel face = gfx::ColorToPixel(gfx::clBtnFace);
    painter.FillRect(all, face);
    painter.Frame3D(all, gfx::ColorToPixel(gfx::cl3DLight), gfx::ColorToPixel(gfx::cl3DDkShadow));
    painter.Frame3D(all.shrunk(1, 1), gfx::ColorToPixel(gfx::clBtnHighlight), gfx::ColorToPixel(gfx::clBtnShadow));
    const int b = Border();
    const gfx::Rect bar{b, b, window.width - b, b + CaptionHeight() - 1};
    const bool active = form_.IsActive();
    painter.FillRect(bar, active ? gfx::MakePixel(0, 0, 128) : gfx::MakePixel(128, 128, 128));
    gfx::Font font{"MS Sans Serif", -11, gfx::fsBold, gfx::clWhite};
    const gfx::Pixel text = active ? gfx::MakePixel(255, 255, 255) : gfx::MakePixel(212, 208, 200);
    painter.DrawText(font, form_.Caption(), bar.shrunk(3, 0),
                     gfx::dtSingleLine | gfx::dtVCenter | gfx::dtNoPrefix | gfx::dtEndEllipsis, text);
}

HitTest PlainFrame::HitTestAt(gfx::Point p) {
    const gfx::Size size = form_.BoundsRect().size();
    const gfx::Rect client = ClientRect(size);
    if (client.contains(p)) return HitTest::Client;
    const int b = Border();
    if (form_.BorderStyle == BorderStyle::Sizeable) {
        const bool left = p.x < b, right = p.x >= size.width - b;
        const bool top = p.y < b, bottom = p.y >= size.height - b;
        const bool nearLeft = p.x < kCornerGrip, nearRight = p.x >= size.width - kCornerGrip;
        const bool nearTop = p.y < kCornerGrip, nearBottom = p.y >= size.height - kCornerGrip;
        if ((top && nearLeft) || (left && nearTop)) return HitTest::TopLeft;
        if ((top && nearRight) || (right && nearTop)) return HitTest::TopRight;
        if ((bottom && nearLeft) || (left && nearBottom)) return HitTest::BottomLeft;
        if ((bottom && nearRight) || (right && nearBottom)) return HitTest::BottomRight;
        if (left) return HitTest::Left;
        if (right) return HitTest::Right;
        if (top) return HitTest::Top;
        if (bottom) return HitTest::Bottom;
    }
    if (p.y >= b && p.y < b + CaptionHeight()) return HitTest::Caption;
    return HitTest::Nowhere;
}

SizeLimits PlainFrame::Limits() const {
    if (form_.BorderStyle == BorderStyle::None) return {};
    const int b = Border();
    return {{2 * b + 100, 2 * b + CaptionHeight()}, {0, 0}};
}

}  // namespace platform
