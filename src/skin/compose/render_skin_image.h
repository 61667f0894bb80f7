#pragma once

#include "gfx/bitmap.h"
#include "skin/compose/skin_geometry.h"

namespace skin {

// Composes a control's picture at size from source (the section's skin rectangle or a state
// rectangle of the same size): a fixed picture is copied as it is at its own size; a both-way one
// is a nine-part frame with its client area (left blank for piecewise painting, which draws the
// middle itself); a horizontal one keeps its left and right ends, a vertical one its top and bottom,
// and stretches or tiles the middle by g.StretchEffect.
void RenderSkinImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const gfx::Rect& source, const SkinGeometry& g,
                     const ResizedGeometry& r, ResizeMode mode, gfx::Size size, bool piecewise = false);

}  // namespace skin
