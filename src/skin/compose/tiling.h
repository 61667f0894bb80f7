#pragma once

#include "gfx/painter.h"

namespace skin {

// Repeats the piece of picture over dst, starting at dst's top-left corner; the last tiles of a row
// and of a column are cut at dst's right and bottom edges. A piece with no width or no height draws
// nothing, so a skin with touching anchors never divides by zero.
void TileRect(gfx::Painter& painter, const gfx::Bitmap& picture, const gfx::Rect& piece, const gfx::Rect& dst);

// Fills dst from the piece: stretched over it, or tiled from its top-left corner.
void FillPiece(gfx::Painter& painter, const gfx::Bitmap& picture, const gfx::Rect& piece, const gfx::Rect& dst,
               bool stretch);

}  // namespace skin
