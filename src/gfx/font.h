#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "gfx/colour.h"

namespace gfx {

enum FontStyle : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

// A logical font. Height follows the platform convention: positive is the cell height
// (ascent plus descent), negative the character height (cell minus internal leading), so
// a window's "Arial 16 px" is -16 and a skin's fontheight 14 is 14.
struct Font {
    std::string Name = "Arial";
    int Height = 14;
    std::uint8_t Style = 0;
    Color FontColor = clWindowText;

    [[nodiscard]] bool Bold() const { return Style & fsBold; }
    friend bool operator==(const Font&, const Font&) = default;
};

// A font that cannot be resolved or loaded (no fonts installed, an unreadable font file, a
// height no window could show).
class FontError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest |Height| a font may ask for; anything beyond is refused with a FontError.
inline constexpr int kMaxFontHeight = 2048;

struct FontMetrics {
    int Ascent = 0;
    int Descent = 0;
    int CellHeight = 0;       // Ascent + Descent
    int InternalLeading = 0;  // CellHeight minus the character height
    int AverageWidth = 0;
};

// Metrics of the face fontconfig resolves for font at its size. Faces and glyphs are
// cached for the life of the process; everything runs on the UI thread. Throws FontError.
[[nodiscard]] FontMetrics GetFontMetrics(const Font& font);

// The family fontconfig resolves a logical name to ("Arial" gives a metric-compatible
// sans), for tests and diagnostics.
[[nodiscard]] std::string ResolvedFamily(const std::string& name);

}  // namespace gfx
