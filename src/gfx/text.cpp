#include "gfx/text.h"

#include <algorithm>

#include "gfx/font_cache.h"
#include "gfx/glyph_layout.h"

namespace gfx {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes the sequence starting at text[i] into cp and returns its length, or 0 when the
// bytes there are not one well-formed sequence (overlong forms and surrogates included).
std::size_t DecodeOne(std::string_view text, std::size_t i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[i + k]);
        if (!IsContinuation(byte)) return 0;
        cp = (cp << 6) | (byte & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t length = DecodeOne(utf8, i, cp);
        out.push_back(length ? cp : kReplacement);
        i += length ? length : 1;
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char32_t cp : text) {
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

char32_t AcceleratorChar(std::string_view utf8) {
    const std::u32string text = DecodeUtf8(utf8);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != U'&') continue;
        if (text[i + 1] != U'&') return text[i + 1];
        ++i;
    }
    return 0;
}

int TextWidth(const Font& font, std::string_view utf8) {
    FontFace& face = FontCache::Instance().Face(font);
    int width = 0;
    for (const char32_t cp : DecodeUtf8(utf8)) {
        if (!DrawsNothing(cp)) width += face.Advance(cp);
    }
    return width;
}

int TextHeight(const Font& font) { return FontCache::Instance().Face(font).Metrics().CellHeight; }

Rect MeasureText(const Font& font, std::string_view utf8, Rect box, unsigned format) {
    FontFace& face = FontCache::Instance().Face(font);
    const std::vector<GlyphLine> lines = LayOutGlyphs(face, DecodeUtf8(utf8), box.width(), format);
    int width = 0;
    for (const GlyphLine& line : lines) width = std::max(width, line.width);
    const int height = static_cast<int>(lines.size()) * face.Metrics().CellHeight;
    return {box.left, box.top, box.left + width, box.top + height};
}

std::string EllipsizeEnd(const Font& font, std::string_view utf8, int maxWidth) {
    if (TextWidth(font, utf8) <= maxWidth) return std::string(utf8);
    FontFace& face = FontCache::Instance().Face(font);
    std::vector<GlyphLine> lines = LayOutGlyphs(face, DecodeUtf8(utf8), maxWidth, dtSingleLine | dtNoPrefix);
    EllipsizeLine(face, lines.front(), maxWidth);
    std::u32string shortened;
    for (const PlacedGlyph& glyph : lines.front().glyphs) shortened.push_back(glyph.cp);
    return EncodeUtf8(shortened);
}

}  // namespace gfx
