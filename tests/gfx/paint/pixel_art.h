#pragma once

#include <map>
#include <string>

#include "gfx/bitmap.h"

namespace painttest {

inline constexpr gfx::Pixel kBack = 0xFF000000u;   // '.'
inline constexpr gfx::Pixel kInk = 0xFFFFFFFFu;    // '#'
inline constexpr gfx::Pixel kRed = 0xFFFF0000u;    // 'r'
inline constexpr gfx::Pixel kBlue = 0xFF0000FFu;   // 'b'
inline constexpr gfx::Pixel kGreen = 0xFF00FF00u;  // 'g'

// Draws a small bitmap as one text line per row, so an expected picture can be written
// out in the test; a pixel of any other colour shows as '?'.
inline std::string Art(const gfx::Bitmap& image) {
    static const std::map<gfx::Pixel, char> names = {
        {kBack, '.'}, {kInk, '#'}, {kRed, 'r'}, {kBlue, 'b'}, {kGreen, 'g'}};
    std::string text;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const auto it = names.find(image.row(y)[x]);
            text += it == names.end() ? '?' : it->second;
        }
        text += '\n';
    }
    return text;
}

// The inverse of Art for the named colours, for building small source pictures.
inline gfx::Bitmap FromArt(const std::string& art) {
    int width = 0;
    int height = 0;
    for (std::size_t start = 0; start < art.size(); ++height) {
        const std::size_t end = art.find('\n', start);
        width = static_cast<int>(end - start);
        start = end + 1;
    }
    gfx::Bitmap image(width, height);
    const std::map<char, gfx::Pixel> colours = {{'.', kBack}, {'#', kInk}, {'r', kRed}, {'b', kBlue}, {'g', kGreen}};
    int x = 0;
    int y = 0;
    for (char c : art) {
        if (c == '\n') {
            x = 0;
            ++y;
            continue;
        }
        image.set(x++, y, colours.at(c));
    }
    return image;
}

}  // namespace painttest
