#pragma once

#include <string_view>
#include <vector>

namespace gfx {

class FontFace;

// One character placed on a line of laid-out text.
struct PlacedGlyph {
    char32_t cp = 0;
    int x = 0;  // pen position from the line's start
    int advance = 0;
    bool accelerator = false;  // underlined as the control's keyboard accelerator
};

// One line of laid-out text and the width it takes.
struct GlyphLine {
    std::vector<PlacedGlyph> glyphs;
    int width = 0;
};

// Whether a character draws no glyph: tabs, line breaks and other control characters
// only move the pen (or not at all).
[[nodiscard]] constexpr bool DrawsNothing(char32_t cp) { return cp < 0x20 || cp == 0x7F; }

// Lays text out the way the platform's text drawing does for the TextFormat flags: '&'
// prefixes, line breaks, tab expansion, word wrapping to boxWidth and the end ellipsis.
// Empty text gives one empty line with dtSingleLine and no line otherwise.
[[nodiscard]] std::vector<GlyphLine> LayOutGlyphs(FontFace& face, std::u32string_view text, int boxWidth,
                                                  unsigned format);

// Shortens a line by the end-ellipsis rule: characters go from the end until the line
// followed by "..." fits maxWidth (or none is left), then "..." is appended.
void EllipsizeLine(FontFace& face, GlyphLine& line, int maxWidth);

}  // namespace gfx
