#include "skin/compose/tiling.h"

#include <algorithm>

namespace skin {

void TileRect(gfx::Painter& painter, const gfx::Bitmap& picture, const gfx::Rect& piece, const gfx::Rect& dst) {
    const int pw = piece.width();
    const int ph = piece.height();
    if (pw <= 0 || ph <= 0 || dst.empty()) return;
    for (int y = dst.top; y < dst.bottom; y += ph) {
        const int h = std::min(ph, dst.bottom - y);
        for (int x = dst.left; x < dst.right; x += pw) {
            const int w = std::min(pw, dst.right - x);
            painter.Copy(picture, gfx::Rect::from_size(piece.left, piece.top, w, h), {x, y});
        }
    }
}

void FillPiece(gfx::Painter& painter, const gfx::Bitmap& picture, const gfx::Rect& piece, const gfx::Rect& dst,
               bool stretch) {
    if (stretch) {
        painter.Stretch(picture, piece, dst);
    } else {
        TileRect(painter, picture, piece, dst);
    }
}

}  // namespace skin
