#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/bmp.h"

namespace gfx {

// Decodes a PNG into 32-bit pixels with straight alpha (grey, palette, transparency chunk
// and 16-bit images are expanded). Throws ImageError with libpng's message on bad data.
[[nodiscard]] Bitmap ReadPng(std::span<const std::uint8_t> data);
// Encodes a non-empty image as an 8-bit RGBA PNG, alpha kept; throws ImageError when empty.
[[nodiscard]] std::vector<std::uint8_t> WritePng(const Bitmap& image);

// File helpers for tools and tests; throw ImageError (or std::runtime_error for I/O).
[[nodiscard]] Bitmap LoadPngFile(const std::string& path);
void SavePngFile(const Bitmap& image, const std::string& path);

}  // namespace gfx
