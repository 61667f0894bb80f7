#pragma once

#include <string_view>

#include "gfx/painter.h"

namespace controls {

// The side of a button's caption the glyph sits on.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// How a glyph and a caption are placed in a button.
struct GlyphPlacement {
    int Margin = -1;  // distance of the glyph from the edge; -1 centres glyph and caption together
    int Spacing = 1;  // gap between glyph and caption
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
};

// Where the glyph and the caption go: the glyph's top-left corner and the caption's box.
struct GlyphAndText {
    gfx::Point Glyph;
    gfx::Rect Text;
};

// Places a glyph of glyphSize (0 x 0 without one) and the caption, measured with tab expansion and
// word breaking in what the glyph leaves of bounds, inside bounds; the down look moves both by one
// pixel right and down. Shared by every button that shows a glyph.
[[nodiscard]] GlyphAndText LayoutGlyphAndText(const gfx::Rect& bounds, gfx::Size glyphSize, std::string_view caption,
                                              const gfx::Font& font, const GlyphPlacement& placement, bool down);

// Draws the caption of a layout (transparent, centred, wrapped, in its box widened by two pixels to
// the right) in colour.
void DrawLayoutCaption(gfx::Painter& painter, const GlyphAndText& layout, std::string_view caption,
                       const gfx::Font& font, gfx::Pixel colour);

// Cell `cell` (1-based) of a strip of `cells` equal cells side by side; empty for a cell outside.
[[nodiscard]] gfx::Rect GlyphCellRect(const gfx::Bitmap& strip, int cells, int cell);

// Which glyph cell a button shows: 3 when active and down (with three cells or more), 4 when active
// (with four), 1 when enabled or with a single cell, else the disabled cell 2.
[[nodiscard]] int GlyphCell(int cells, bool enabled, bool active, bool down);

// Draws part of a glyph at dst, leaving out the glyph's transparent colour (its bottom-left pixel).
void DrawTransparentGlyph(gfx::Painter& painter, const gfx::Bitmap& glyph, const gfx::Rect& part, gfx::Point dst);

}  // namespace controls
