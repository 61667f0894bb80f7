#pragma once

#include "gfx/bitmap.h"

namespace skin {

// Makes image width wide and as high as source: the left leftPart and right rightPart columns of
// source are copied as they are and the columns between them fill the rest, stretched or tiled
// from the left (the last tile cut). A middle of no columns is taken as one column wide.
void ComposeHorzImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const gfx::Rect& source, int leftPart,
                      int rightPart, int width, bool stretch);

// The same along y: height high, as wide as source, topPart and bottomPart rows kept. A middle of no
// rows leaves the middle undrawn.
void ComposeVertImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const gfx::Rect& source, int topPart,
                      int bottomPart, int height, bool stretch);

}  // namespace skin
