#include <vector>

#include "gfx/colour.h"
#include "gfx/font_cache.h"
#include "gfx/glyph_layout.h"
#include "gfx/painter.h"
#include "gfx/text.h"

namespace gfx {
namespace {

void DrawHorizontalLine(Painter& painter, int left, int right, int baseline, DecorationLine line, Pixel color) {
    if (right <= left) return;
    painter.FillRect({left, baseline + line.offset, right, baseline + line.offset + line.thickness}, color);
}

int LineLeft(const Rect& box, int width, unsigned format) {
    if (format & dtRight) return box.right - width;
    if (format & dtCenter) return box.left + box.width() / 2 - width / 2;
    return box.left;
}

}  // namespace

void Painter::DrawText(const Font& font, std::string_view utf8, const Rect& box, unsigned format) {
    DrawText(font, utf8, box, format, ColorToPixel(font.FontColor));
}

// With dtCalcRect nothing is drawn: measuring is MeasureText's job, and a const box has
// nothing to adjust.
void Painter::DrawText(const Font& font, std::string_view utf8, const Rect& box, unsigned format, Pixel color) {
    if (format & dtCalcRect) return;
    FontFace& face = FontCache::Instance().Face(font);
    const std::vector<GlyphLine> lines = LayOutGlyphs(face, DecodeUtf8(utf8), box.width(), format);
    if (lines.empty()) return;

    PainterSaver saver(*this);
    if (!(format & dtNoClip)) ClipRect(box);

    const FontMetrics& metrics = face.Metrics();
    int top = box.top;
    if (format & dtSingleLine) {
        if (format & dtBottom) {
            top = box.bottom - metrics.CellHeight;
        } else if (format & dtVCenter) {
            top = box.top + box.height() / 2 - metrics.CellHeight / 2;
        }
    }
    for (const GlyphLine& line : lines) {
        const int left = LineLeft(box, line.width, format);
        const int baseline = top + metrics.Ascent;
        for (const PlacedGlyph& placed : line.glyphs) {
            if (DrawsNothing(placed.cp)) continue;
            const Glyph& glyph = face.GlyphFor(placed.cp);
            if (!glyph.coverage.empty()) {
                DrawCoverage(glyph.coverage.data(), glyph.width, glyph.height, glyph.width,
                             {left + placed.x + glyph.left, baseline - glyph.top}, color);
            }
            if (placed.accelerator) {
                DrawHorizontalLine(*this, left + placed.x, left + placed.x + placed.advance, baseline, face.Underline(),
                                   color);
            }
        }
        if (font.Style & fsUnderline) {
            DrawHorizontalLine(*this, left, left + line.width, baseline, face.Underline(), color);
        }
        if (font.Style & fsStrikeOut) {
            DrawHorizontalLine(*this, left, left + line.width, baseline, face.StrikeOut(), color);
        }
        top += metrics.CellHeight;
    }
}

}  // namespace gfx
