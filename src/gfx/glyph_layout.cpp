#include "gfx/glyph_layout.h"

#include <algorithm>

#include "gfx/font_face.h"
#include "gfx/text.h"

namespace gfx {
namespace {

// A character after '&' prefixes are resolved, remembering whether it was marked.
struct Marked {
    char32_t cp;
    bool accelerator;
};

std::vector<Marked> ResolvePrefixes(std::u32string_view text, unsigned format) {
    std::vector<Marked> out;
    out.reserve(text.size());
    const bool prefixes = !(format & dtNoPrefix);
    const bool underline = !(format & dtHidePrefix);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!prefixes || text[i] != U'&') {
            out.push_back({text[i], false});
            continue;
        }
        // A lone '&' at the very end marks nothing and is dropped, as the platform does.
        if (++i == text.size()) break;
        const bool literal = text[i] == U'&';
        out.push_back({text[i], !literal && underline && !DrawsNothing(text[i])});
    }
    return out;
}

bool IsBreakSpace(char32_t cp) { return cp == U' ' || cp == U'\t'; }

// Tab stops are every eight average character widths from the line's start.
int AdvanceAt(FontFace& face, char32_t cp, int x, unsigned format) {
    if (cp == U'\t' && (format & dtExpandTabs)) {
        const int stop = std::max(1, 8 * face.Metrics().AverageWidth);
        return (x / stop + 1) * stop - x;
    }
    if (DrawsNothing(cp)) return 0;
    return face.Advance(cp);
}

int LineEnd(const std::vector<PlacedGlyph>& glyphs) {
    return glyphs.empty() ? 0 : glyphs.back().x + glyphs.back().advance;
}

GlyphLine WholeLine(FontFace& face, const Marked* begin, const Marked* end, unsigned format) {
    GlyphLine line;
    line.glyphs.reserve(static_cast<std::size_t>(end - begin));
    int x = 0;
    for (const Marked* m = begin; m != end; ++m) {
        const int advance = AdvanceAt(face, m->cp, x, format);
        line.glyphs.push_back({m->cp, x, advance, m->accelerator});
        x += advance;
    }
    line.width = x;
    return line;
}

// Fills lines from one paragraph. A line breaks after the last run of spaces that fits;
// those spaces are dropped from its end. A word wider than the box is broken before the
// first character that does not fit, and every line takes at least one character, so a
// box narrower than a character still terminates.
void WrapParagraph(FontFace& face, const Marked* begin, const Marked* end, int width, unsigned format,
                   std::vector<GlyphLine>& lines) {
    if (begin == end) {
        lines.emplace_back();
        return;
    }
    const Marked* start = begin;
    while (start != end) {
        GlyphLine line;
        int x = 0;
        const Marked* next = start;
        const Marked* lastBreak = nullptr;
        for (; next != end; ++next) {
            const int advance = AdvanceAt(face, next->cp, x, format);
            const bool space = IsBreakSpace(next->cp);
            if (!space && next != start && x + advance > width) break;
            line.glyphs.push_back({next->cp, x, advance, next->accelerator});
            x += advance;
            if (space) lastBreak = next + 1;
        }
        if (next != end) {
            if (lastBreak) {
                line.glyphs.resize(static_cast<std::size_t>(lastBreak - start));
                next = lastBreak;
            }
            while (!line.glyphs.empty() && IsBreakSpace(line.glyphs.back().cp)) line.glyphs.pop_back();
        }
        line.width = LineEnd(line.glyphs);
        lines.push_back(std::move(line));
        start = next;
    }
}

bool IsLineBreak(char32_t cp) { return cp == U'\n' || cp == U'\r'; }

}  // namespace

void EllipsizeLine(FontFace& face, GlyphLine& line, int maxWidth) {
    const int dot = face.Advance(U'.');
    while (!line.glyphs.empty() && LineEnd(line.glyphs) + 3 * dot > maxWidth) line.glyphs.pop_back();
    const int x = LineEnd(line.glyphs);
    for (int i = 0; i < 3; ++i) line.glyphs.push_back({U'.', x + i * dot, dot, false});
    line.width = x + 3 * dot;
}

std::vector<GlyphLine> LayOutGlyphs(FontFace& face, std::u32string_view text, int boxWidth, unsigned format) {
    const std::vector<Marked> marked = ResolvePrefixes(text, format);
    const Marked* const begin = marked.data();
    const Marked* const end = begin + marked.size();
    std::vector<GlyphLine> lines;

    if (format & dtSingleLine) {
        lines.push_back(WholeLine(face, begin, end, format));
    } else {
        const bool wrap = format & dtWordBreak;
        const Marked* start = begin;
        for (const Marked* m = begin; m != end;) {
            if (!IsLineBreak(m->cp)) {
                ++m;
                continue;
            }
            if (wrap) {
                WrapParagraph(face, start, m, boxWidth, format, lines);
            } else {
                lines.push_back(WholeLine(face, start, m, format));
            }
            // "\r\n" is one break; a lone '\r' or '\n' is one as well.
            m += (m->cp == U'\r' && m + 1 != end && (m + 1)->cp == U'\n') ? 2 : 1;
            start = m;
        }
        if (start != end) {
            if (wrap) {
                WrapParagraph(face, start, end, boxWidth, format, lines);
            } else {
                lines.push_back(WholeLine(face, start, end, format));
            }
        }
    }

    if (format & dtEndEllipsis) {
        for (GlyphLine& line : lines) {
            if (line.width > boxWidth) EllipsizeLine(face, line, boxWidth);
        }
    }
    return lines;
}

}  // namespace gfx
