#include "gfx/colour.h"

#include <array>

namespace gfx {

namespace {

// The classic grey desktop scheme, indexed by system colour number, written 0xRRGGBB.
constexpr std::array<std::uint32_t, 25> kClassicPalette = {
    0xC0C0C0,  // 0 scroll bar
    0x008080,  // 1 desktop
    0x000080,  // 2 active caption
    0x808080,  // 3 inactive caption
    0xC0C0C0,  // 4 menu
    0xFFFFFF,  // 5 window
    0x000000,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0xFFFFFF,  // 9 caption text
    0xC0C0C0,  // 10 active border
    0xC0C0C0,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x000080,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xC0C0C0,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xC0C0C0,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x000000,  // 21 3-D dark shadow
    0xC0C0C0,  // 22 3-D light
    0x000000,  // 23 tooltip text
    0xFFFFE1,  // 24 tooltip background
};

}  // namespace

Pixel ColorToPixel(Color c) {
    if ((c >> 24) == 0xFF) {
        const std::size_t index = c & 0xFF;
        if (index >= kClassicPalette.size()) return 0xFF000000u;
        return 0xFF000000u | kClassicPalette[index];
    }
    // Other top bytes (palette-relative forms) carry the colour in the low three bytes.
    return MakePixel(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

}  // namespace gfx
