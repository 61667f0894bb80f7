// fuzz-links: gfx
// Feeds arbitrary bytes to the BMP reader as a run of bitmaps stored back to back, the way
// the skin package holds them. Only 32-bit images may have alpha; whatever decodes must
// survive a 24-bit write and read with its colours unchanged, and a 1-bit one as black and
// white.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "gfx/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> rest(data, size);
    while (!rest.empty()) {
        std::size_t consumed = 0;
        gfx::BmpImage image;
        try {
            image = gfx::ReadBmp(rest, &consumed);
        } catch (const gfx::ImageError&) {
            return 0;
        }
        if (consumed == 0 || consumed > rest.size()) std::abort();
        gfx::Bitmap opaque = image.pixels;
        for (int y = 0; y < opaque.height(); ++y) {
            for (int x = 0; x < opaque.width(); ++x) {
                const gfx::Pixel p = image.pixels.row(y)[x];
                if (image.bitsPerPixel != 32 && gfx::PixelA(p) != 255) std::abort();
                opaque.row(y)[x] = gfx::Opaque(p);
            }
        }
        if (gfx::ReadBmp(gfx::WriteBmp24(image.pixels)).pixels != opaque) std::abort();
        const gfx::Bitmap mono = gfx::ReadBmp(gfx::WriteBmp1(image.pixels)).pixels;
        for (int y = 0; y < mono.height(); ++y) {
            for (int x = 0; x < mono.width(); ++x) {
                const bool black = opaque.row(y)[x] == gfx::MakePixel(0, 0, 0);
                if (mono.row(y)[x] != (black ? gfx::MakePixel(0, 0, 0) : gfx::MakePixel(255, 255, 255))) std::abort();
            }
        }
        rest = rest.subspan(consumed);
    }
    return 0;
}
