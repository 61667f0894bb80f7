#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "gfx/bitmap.h"

namespace gfx {

// A picture file that cannot be decoded; the message says what is wrong and where.
class ImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest pictures the codecs accept: a side of at most kMaxImageSide pixels and at
// most kMaxImagePixels in all, so that a hostile header cannot ask for gigabytes.
inline constexpr int kMaxImageSide = 16384;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{1} << 26;

struct BmpImage {
    Bitmap pixels;  // opaque, unless the masks of a 32-bit image give alpha
    int bitsPerPixel = 0;
};

// Reads one uncompressed BMP (1, 8, 24 or 32 bits per pixel, the last also with bit-field
// masks; a 40-, 108- or 124-byte info header; bottom-up or top-down) from the start of
// data. Exactly the size the file header gives is consumed, and *consumed is set to it, so
// that bitmaps stored back to back can be read in turn. Throws ImageError on any other
// kind and on truncated or inconsistent data.
[[nodiscard]] BmpImage ReadBmp(std::span<const std::uint8_t> data, std::size_t* consumed = nullptr);

// Writes 24-bit (colours) or 1-bit (black and white: a pixel is white unless it is pure
// black) BMP files, bottom-up.
[[nodiscard]] std::vector<std::uint8_t> WriteBmp24(const Bitmap& image);
[[nodiscard]] std::vector<std::uint8_t> WriteBmp1(const Bitmap& image);

}  // namespace gfx
