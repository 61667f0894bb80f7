#include "controls/containers/border_style.h"

#include "gfx/colour.h"

namespace controls {

void DrawBorder(gfx::Painter& painter, const gfx::Rect& r, TspBorderStyle style) {
    const gfx::Pixel light = gfx::ColorToPixel(gfx::clBtnHighlight);
    const gfx::Pixel shadow = gfx::ColorToPixel(gfx::clBtnShadow);
    switch (style) {
        case TspBorderStyle::bvFrame:
            painter.FrameRect(r, shadow);
            break;
        case TspBorderStyle::bvRaised:
            painter.Frame3D(r, light, shadow);
            break;
        case TspBorderStyle::bvLowered:
            painter.Frame3D(r, shadow, light);
            break;
        case TspBorderStyle::bvNone:
            break;
    }
}

}  // namespace controls
