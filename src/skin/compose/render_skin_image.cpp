#include "skin/compose/render_skin_image.h"

#include "gfx/painter.h"
#include "skin/compose/frame_image.h"
#include "skin/compose/three_part.h"

namespace skin {

void RenderSkinImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const gfx::Rect& source, const SkinGeometry& g,
                     const ResizedGeometry& r, ResizeMode mode, gfx::Size size, bool piecewise) {
    switch (mode) {
        case ResizeMode::Fixed:
            image.Reset(std::max(source.width(), 0), std::max(source.height(), 0));
            if (!image.empty()) gfx::Painter(image).Copy(picture, source, {0, 0});
            break;
        case ResizeMode::Both:
            if (!piecewise) ComposeFrameImage(image, picture, source, g, r, size.width, size.height, true);
            break;
        case ResizeMode::Horizontal:
            ComposeHorzImage(image, picture, source, g.LeftTop.x, source.width() - g.RightTop.x, size.width,
                             g.StretchEffect);
            break;
        case ResizeMode::Vertical:
            ComposeVertImage(image, picture, source, g.LeftTop.y, source.height() - g.LeftBottom.y, size.height,
                             g.StretchEffect);
            break;
        case ResizeMode::None:
            break;
    }
}

}  // namespace skin
