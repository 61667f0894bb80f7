#pragma once

#include "gfx/geometry.h"

namespace controls {

// Where a track bar's thumb lies: the range of its centre along the bar and its rectangle.
struct ThumbPlacement {
    int start = 0;   // the centre's position at the minimum
    int end = 0;     // the centre's position at the maximum
    int offset = 0;  // the centre's distance from start (towards end)
    gfx::Rect thumb;
};

// Places a thumb of the given size in the track area for a value between the bounds: the
// centre runs from half a thumb inside one end of the area to half a thumb inside the
// other, linearly, rounded halves to even. A vertical bar has its minimum at the bottom.
// Equal bounds put the thumb at the start.
[[nodiscard]] ThumbPlacement PlaceThumb(const gfx::Rect& area, gfx::Size thumb, bool vertical, int value, int minValue,
                                        int maxValue);

// The value for a thumb centre offset from start: linear between the bounds, the offset
// limited to the track, rounded halves to even. A track without length gives minValue.
[[nodiscard]] int ValueFromOffset(int offset, int start, int end, int minValue, int maxValue);

}  // namespace controls
