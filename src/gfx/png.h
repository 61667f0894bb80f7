#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/bmp.h"

namespace gfx {

// The colour kind a PNG stream stored its pixels in.
enum class PngColour : std::uint8_t { Grey, Palette, TrueColour };

// What a PNG stream held before decoding expanded it to 32-bit pixels; pictures that fade
// their transparency need to know whether the alpha they see was stored or made up.
struct PngFormat {
    PngColour colour = PngColour::TrueColour;
    // Every pixel stored its own alpha sample (grey with alpha, true colour with alpha).
    bool alphaChannel = false;
    // A transparency chunk gave a transparent colour or palette alphas.
    bool transparencyChunk = false;

    friend bool operator==(const PngFormat&, const PngFormat&) = default;
};

// Decodes a PNG into 32-bit pixels with straight alpha (grey, palette, transparency chunk
// and 16-bit images are expanded). Throws ImageError with libpng's message on bad data.
[[nodiscard]] Bitmap ReadPng(std::span<const std::uint8_t> data);
// As ReadPng, also telling what the stream stored.
[[nodiscard]] Bitmap ReadPng(std::span<const std::uint8_t> data, PngFormat& format);
// Encodes a non-empty image as an 8-bit RGBA PNG, alpha kept; throws ImageError when empty.
[[nodiscard]] std::vector<std::uint8_t> WritePng(const Bitmap& image);

// File helpers for tools and tests; throw ImageError (or std::runtime_error for I/O).
[[nodiscard]] Bitmap LoadPngFile(const std::string& path);
void SavePngFile(const Bitmap& image, const std::string& path);

}  // namespace gfx
