#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/bmp.h"

namespace testfixtures {

// A BMP file image of the given size with a pattern, so that equal sizes still differ.
inline std::vector<std::uint8_t> Bmp24(int width, int height, gfx::Pixel base = 0xFF204060u) {
    gfx::Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.set(x, y, base + static_cast<gfx::Pixel>(x * 3 + y * 5));
    return gfx::WriteBmp24(b);
}

inline std::vector<std::uint8_t> Bmp1(int width, int height) {
    gfx::Bitmap b(width, height, 0xFFFFFFFFu);
    for (int y = 0; y < height; ++y) b.set(y % width, y, 0xFF000000u);
    return gfx::WriteBmp1(b);
}

}  // namespace testfixtures
