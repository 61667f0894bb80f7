#include "controls/buttons/glyph_layout.h"

#include "gfx/text.h"

namespace controls {

namespace {

constexpr unsigned kCaptionFormat = gfx::dtCenter | gfx::dtWordBreak | gfx::dtExpandTabs;

}  // namespace

GlyphAndText LayoutGlyphAndText(const gfx::Rect& bounds, gfx::Size glyphSize, std::string_view caption,
                                const gfx::Font& font, const GlyphPlacement& placement, bool down) {
    const int gw = glyphSize.width;
    const int gh = glyphSize.height;
    const bool vertical =
        placement.Layout == TButtonLayout::blGlyphTop || placement.Layout == TButtonLayout::blGlyphBottom;
    gfx::Rect box{0, 0, bounds.width() - (vertical ? 0 : gw), bounds.height() - (vertical ? gh : 0)};
    const gfx::Rect measured = caption.empty() ? gfx::Rect{} : gfx::MeasureText(font, caption, box, kCaptionFormat);
    const int tw = measured.width();
    const int th = measured.height();
    const bool hasGlyph = gw > 0 && gh > 0;
    const int spacing = hasGlyph ? placement.Spacing : 0;
    const int cx = bounds.left + bounds.width() / 2;
    const int cy = bounds.top + bounds.height() / 2;

    gfx::Point glyph{cx - gw / 2, cy - gh / 2};
    gfx::Point text{cx - tw / 2, cy - th / 2};
    if (placement.Margin == -1) {
        const int halfAcross = (gw + tw + spacing) / 2;
        const int halfDown = (th + gh + spacing) / 2;
        switch (placement.Layout) {
            case TButtonLayout::blGlyphLeft:
                glyph.x = cx - halfAcross;
                text.x = cx + halfAcross - tw;
                break;
            case TButtonLayout::blGlyphRight:
                text.x = cx - halfAcross;
                glyph.x = cx + halfAcross - gw;
                break;
            case TButtonLayout::blGlyphTop:
                glyph.y = cy - halfDown;
                text.y = cy + halfDown - th;
                break;
            case TButtonLayout::blGlyphBottom:
                text.y = cy - halfDown;
                glyph.y = cy + halfDown - gh;
                break;
        }
    } else {
        switch (placement.Layout) {
            case TButtonLayout::blGlyphLeft:
                glyph.x = bounds.left + placement.Margin;
                text.x = glyph.x + gw + spacing;
                break;
            case TButtonLayout::blGlyphRight:
                glyph.x = bounds.right - gw - placement.Margin;
                text.x = glyph.x - spacing - tw;
                break;
            case TButtonLayout::blGlyphTop:
                glyph.y = bounds.top + placement.Margin;
                text.y = glyph.y + gh + spacing;
                break;
            case TButtonLayout::blGlyphBottom:
                glyph.y = bounds.bottom - gh - placement.Margin;
                text.y = glyph.y - spacing - th;
                break;
        }
    }
    const gfx::Point shift = down ? gfx::Point{1, 1} : gfx::Point{};
    return {glyph + shift, gfx::Rect::from_size(text + shift, {tw, th})};
}

void DrawLayoutCaption(gfx::Painter& painter, const GlyphAndText& layout, std::string_view caption,
                       const gfx::Font& font, gfx::Pixel colour) {
    if (caption.empty()) return;
    gfx::Rect box = layout.Text;
    box.right += 2;
    painter.DrawText(font, caption, box, kCaptionFormat, colour);
}

gfx::Rect GlyphCellRect(const gfx::Bitmap& strip, int cells, int cell) {
    if (cells < 1 || cell < 1 || cell > cells) return {};
    const int w = strip.width() / cells;
    return {w * (cell - 1), 0, w * cell, strip.height()};
}

int GlyphCell(int cells, bool enabled, bool active, bool down) {
    if (active && down && cells > 2) return 3;
    if (active && cells > 3) return 4;
    if (enabled || cells < 2) return 1;
    return 2;
}

void DrawTransparentGlyph(gfx::Painter& painter, const gfx::Bitmap& glyph, const gfx::Rect& part, gfx::Point dst) {
    if (glyph.empty() || part.empty()) return;
    painter.CopyTransparent(glyph, part, gfx::Rect::from_size(dst, part.size()), glyph.at(0, glyph.height() - 1));
}

}  // namespace controls
