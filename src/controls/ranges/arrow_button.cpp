#include "controls/ranges/arrow_button.h"

#include <algorithm>

namespace controls {

void DrawPlainButton(gfx::Painter& painter, const gfx::Rect& r, bool hot, bool pressed) {
    gfx::Color frame = gfx::clBtnShadow;
    gfx::Color fill = gfx::clBtnFace;
    if (hot && pressed) {
        frame = 0x800000;
        fill = 0xB59385;
    } else if (hot) {
        frame = 0x800000;
        fill = 0xD2BDB6;
    }
    painter.FillRect(r, gfx::ColorToPixel(fill));
    painter.FrameRect(r, gfx::ColorToPixel(frame));
}

void DrawArrow(gfx::Painter& painter, const gfx::Rect& r, ArrowDirection direction, gfx::Color color) {
    // The triangle's depth: a quarter of the button's smaller side, at least two rows.
    const int depth = std::max(2, std::min(r.width(), r.height()) / 4);
    const int cx = r.left + r.width() / 2;
    const int cy = r.top + r.height() / 2;
    const gfx::Pixel pixel = gfx::ColorToPixel(color);
    for (int i = 0; i < depth; ++i) {
        // Row i from the tip has 2i + 1 pixels.
        switch (direction) {
            case ArrowDirection::Up:
                painter.FillRect({cx - i, cy - depth / 2 + i, cx + i + 1, cy - depth / 2 + i + 1}, pixel);
                break;
            case ArrowDirection::Down:
                painter.FillRect({cx - i, cy + depth / 2 - i, cx + i + 1, cy + depth / 2 - i + 1}, pixel);
                break;
            case ArrowDirection::Left:
                painter.FillRect({cx - depth / 2 + i, cy - i, cx - depth / 2 + i + 1, cy + i + 1}, pixel);
                break;
            case ArrowDirection::Right:
                painter.FillRect({cx + depth / 2 - i, cy - i, cx + depth / 2 - i + 1, cy + i + 1}, pixel);
                break;
        }
    }
}

}  // namespace controls
