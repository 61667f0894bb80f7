#pragma once

#include "gfx/bitmap.h"
#include "gfx/geometry.h"

namespace skin {

// How a frame picture is cut into four border strips: its corner points and the inner
// rectangle (the client area, or the mask area for the outline), in the picture's own
// coordinates, and which middles stretch instead of repeating.
struct StripLayout {
    gfx::Point leftTop, rightTop, leftBottom, rightBottom;
    gfx::Rect inner;
    bool topStretch = false;
    bool bottomStretch = false;
    bool leftStretch = false;
    bool rightStretch = false;
};

// The four border strips of a frame for one window size. A strip the layout cannot make
// (no middle, no thickness) is empty.
struct FrameStrips {
    gfx::Bitmap top;     // window width x inner top
    gfx::Bitmap bottom;  // window width x (picture height - inner bottom)
    gfx::Bitmap left;    // inner left x what lies between top and bottom strips
    gfx::Bitmap right;   // (picture width - inner right) x the same height
};

// Cuts the picture into the strips of a window of the given size: each middle piece is
// stretched or repeated from the strip's start, and the end pieces are copied one to one
// over it.
[[nodiscard]] FrameStrips ComposeFrameStrips(const gfx::Bitmap& picture, const StripLayout& layout, gfx::Size window);

}  // namespace skin
