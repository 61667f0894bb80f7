// fuzz-links: gfx
// Feeds arbitrary bytes to the PNG decoder; whatever decodes must survive an encode and
// decode unchanged, alpha included.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "gfx/png.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gfx::Bitmap image;
    try {
        image = gfx::ReadPng(std::span<const std::uint8_t>(data, size));
    } catch (const gfx::ImageError&) {
        return 0;
    }
    if (gfx::ReadPng(gfx::WritePng(image)) != image) std::abort();
    return 0;
}
