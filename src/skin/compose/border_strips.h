#pragma once

#include "gfx/painter.h"
#include "skin/compose/skin_geometry.h"

namespace skin {

// The four border strips of a large framed picture, so that the middle can be painted straight to
// the target instead of into a full-size image first. A strip that would be empty stays empty.
struct BorderStrips {
    gfx::Bitmap Top;     // width x client top, at (0, 0)
    gfx::Bitmap Bottom;  // width x (height - client bottom), at the bottom
    gfx::Bitmap Left;    // client left wide, between top and bottom strips
    gfx::Bitmap Right;   // (width - client right) wide, between top and bottom strips
};

// Cuts source (laid out by g, resized to r at width x height) into its four border strips. The top
// and bottom strips stretch their middle between the resized anchors or tile it from the strip's
// start, then put the corners on; the side strips do the same downwards. A strip is made only when
// its size and its source middle are above 0.
[[nodiscard]] BorderStrips ComposeBorderStrips(const gfx::Bitmap& picture, const gfx::Rect& source,
                                               const SkinGeometry& g, const ResizedGeometry& r, int width, int height);

// Draws the strips where they belong on a width x height surface.
void DrawBorderStrips(gfx::Painter& painter, const BorderStrips& strips, int width, int height);

// Paints a framed picture without a full-size image: the client wallpaper clipped to the resized
// client rectangle, then the strips.
void PaintPiecewise(gfx::Painter& painter, const gfx::Bitmap& picture, const gfx::Rect& source, const SkinGeometry& g,
                    const ResizedGeometry& r, const BorderStrips& strips, int width, int height);

}  // namespace skin
