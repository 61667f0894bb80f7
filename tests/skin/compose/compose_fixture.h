#pragma once

#include <string>
#include <vector>

#include "gfx/bitmap.h"

namespace composetest {

// A picture whose every pixel names its own column and row, so a composed image says where each of
// its pixels was taken from.
inline gfx::Bitmap CoordinatePicture(int width, int height) {
    gfx::Bitmap b(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) b.set(x, y, gfx::MakePixel(x, y, 7));
    }
    return b;
}

// The source column of every pixel of row y ("-" where nothing was copied).
inline std::vector<int> SourceColumns(const gfx::Bitmap& b, int y) {
    std::vector<int> cols;
    for (int x = 0; x < b.width(); ++x) {
        const gfx::Pixel p = b.at(x, y);
        cols.push_back(gfx::PixelB(p) == 7 ? gfx::PixelR(p) : -1);
    }
    return cols;
}

// The source row of every pixel of column x (-1 where nothing was copied).
inline std::vector<int> SourceRows(const gfx::Bitmap& b, int x) {
    std::vector<int> rows;
    for (int y = 0; y < b.height(); ++y) {
        const gfx::Pixel p = b.at(x, y);
        rows.push_back(gfx::PixelB(p) == 7 ? gfx::PixelG(p) : -1);
    }
    return rows;
}

}  // namespace composetest
