#include "controls/ranges/thumb_geometry.h"

#include <algorithm>
#include <cstdint>

namespace controls {

ThumbPlacement PlaceThumb(const gfx::Rect& area, gfx::Size thumb, bool vertical, int value, int minValue,
                          int maxValue) {
    const double span = static_cast<double>(maxValue) - minValue;
    const double k = maxValue == minValue ? 0.0 : (static_cast<double>(value) - minValue) / span;
    ThumbPlacement p;
    if (vertical) {
        p.start = area.top + thumb.height / 2;
        p.end = area.bottom - thumb.height / 2;
        p.offset = gfx::RoundHalfEven(k * (p.end - p.start));
        const int top = p.end - p.offset - thumb.height / 2;
        const int left = area.left + area.width() / 2 - thumb.width / 2;
        p.thumb = gfx::Rect::from_size(left, top, thumb.width, thumb.height);
    } else {
        p.start = area.left + thumb.width / 2;
        p.end = area.right - thumb.width / 2;
        p.offset = gfx::RoundHalfEven(k * (p.end - p.start));
        const int left = p.start + p.offset - thumb.width / 2;
        const int top = area.top + area.height() / 2 - thumb.height / 2;
        p.thumb = gfx::Rect::from_size(left, top, thumb.width, thumb.height);
    }
    return p;
}

int ValueFromOffset(int offset, int start, int end, int minValue, int maxValue) {
    const int len = end - start;
    const double x = len > 0 ? std::clamp(static_cast<double>(offset) / len, 0.0, 1.0) : 0.0;
    const double scaled = (static_cast<double>(maxValue) - minValue) * x;
    // The widest range exceeds int. 2^31 is even, so rounding the amount moved by 2^31 toward
    // zero and moving it back rounds exactly as rounding the amount itself would.
    constexpr double kShift = 2147483648.0;
    const std::int64_t rounded = scaled >= 0
                                     ? static_cast<std::int64_t>(gfx::RoundHalfEven(scaled - kShift)) + 2147483648LL
                                     : static_cast<std::int64_t>(gfx::RoundHalfEven(scaled + kShift)) - 2147483648LL;
    return static_cast<int>(std::clamp<std::int64_t>(minValue + rounded, INT32_MIN, INT32_MAX));
}

}  // namespace controls
