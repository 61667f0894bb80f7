#include "skin/compose/three_part.h"

#include "gfx/painter.h"
#include "skin/compose/tiling.h"

namespace skin {

void ComposeHorzImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const gfx::Rect& source, int leftPart,
                      int rightPart, int width, bool stretch) {
    const int height = source.height();
    image.Reset(std::max(width, 0), std::max(height, 0));
    if (image.empty()) return;
    gfx::Painter painter(image);
    if (leftPart != 0) painter.Copy(picture, {source.left, source.top, source.left + leftPart, source.bottom}, {0, 0});
    if (rightPart != 0) {
        painter.Copy(picture, {source.right - rightPart, source.top, source.right, source.bottom},
                     {width - rightPart, 0});
    }
    gfx::Rect middle{source.left + leftPart, source.top, source.right - rightPart, source.bottom};
    if (middle.width() == 0) middle.right = middle.left + 1;
    const gfx::Rect target{leftPart, 0, width - rightPart, height};
    FillPiece(painter, picture, middle, target, stretch);
}

void ComposeVertImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const gfx::Rect& source, int topPart,
                      int bottomPart, int height, bool stretch) {
    const int width = source.width();
    image.Reset(std::max(width, 0), std::max(height, 0));
    if (image.empty()) return;
    gfx::Painter painter(image);
    if (topPart != 0) painter.Copy(picture, {source.left, source.top, source.right, source.top + topPart}, {0, 0});
    if (bottomPart != 0) {
        painter.Copy(picture, {source.left, source.bottom - bottomPart, source.right, source.bottom},
                     {0, height - bottomPart});
    }
    const gfx::Rect middle{source.left, source.top + topPart, source.right, source.bottom - bottomPart};
    const gfx::Rect target{0, topPart, width, height - bottomPart};
    FillPiece(painter, picture, middle, target, stretch);
}

}  // namespace skin
