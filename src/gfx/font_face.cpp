#include "gfx/font_face.h"

#include <ft2build.h>
#include FT_ADVANCES_H
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>
#include <string>

#include "gfx/geometry.h"

namespace gfx {
namespace {

// What a logical height 0 asks for: a default cell height, as the platform's font mapper
// picks one.
constexpr int kDefaultCellHeight = 16;

// The average character width of the original OS/2 definition: lower-case letters and the
// space weighted by their frequency in English text. Liberation 2 stores the newer
// all-glyph average in xAvgCharWidth, wider than the Arial it stands in for, so the old
// rule is computed from the advances, which Liberation shares with Arial. Returns 0 when
// the face lacks one of the characters.
double WeightedAverageWidth(FT_Face face) {
    static constexpr int kWeights[27] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6,  35, 20, 56,
                                         56, 17, 4,  49, 56,  71, 31, 10, 18, 3, 18, 2,  166};
    double sum = 0;
    for (int i = 0; i < 27; ++i) {
        const FT_ULong cp = i < 26 ? FT_ULong('a' + i) : FT_ULong(' ');
        const FT_UInt index = FT_Get_Char_Index(face, cp);
        FT_Fixed advance = 0;
        if (index == 0 || FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &advance) != 0) return 0;
        sum += static_cast<double>(advance) * kWeights[i];
    }
    return sum / 1000;
}

std::string FreeTypeFailure(const std::string& what, const FontFile& file, FT_Error error) {
    return what + " '" + file.path + "' (family " + file.family + "): FreeType error " + std::to_string(error);
}

}  // namespace

FontFace::FontFace(const FontLibrary& library, const FontFile& file, int height, bool bold, bool italic)
    : family_(file.family), emboldenSynthetically_(bold && !file.bold), slantSynthetically_(italic && !file.italic) {
    if (height < -kMaxFontHeight || height > kMaxFontHeight) {
        throw FontError("font height " + std::to_string(height) + " is out of range (at most " +
                        std::to_string(kMaxFontHeight) + " pixels either way)");
    }
    if (const FT_Error error = FT_New_Face(library.Handle(), file.path.c_str(), file.index, &face_)) {
        face_ = nullptr;
        throw FontError(FreeTypeFailure("cannot open font file", file, error));
    }
    if (!FT_IS_SCALABLE(face_) || face_->units_per_EM == 0) {
        FT_Done_Face(face_);
        throw FontError("font file '" + file.path + "' holds no scalable outlines");
    }
    try {
        ComputeMetrics(height == 0 ? kDefaultCellHeight : height);
    } catch (...) {
        FT_Done_Face(face_);
        throw;
    }
}

FontFace::~FontFace() { FT_Done_Face(face_); }

// Windows-style integer metrics from the font's own tables. The cell is the OS/2 table's
// usWinAscent + usWinDescent scaled to the pixel size: a negative logical height is the em
// size in pixels and the cell follows from it; a positive one is the cell, and the em size
// follows from that. The descent is the scaled usWinDescent rounded and the ascent is the
// rest of the cell, so Arial -16 gives the familiar 15 + 3 = 18 with an internal leading of
// 2. The average width (the tab unit) follows WeightedAverageWidth.
void FontFace::ComputeMetrics(int height) {
    const double unitsPerEm = face_->units_per_EM;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const bool hasOs2 = os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0;
    double winAscent = hasOs2 ? os2->usWinAscent : face_->ascender;
    double winDescent = hasOs2 ? os2->usWinDescent : -face_->descender;
    if (winAscent + winDescent <= 0) {
        winAscent = unitsPerEm * 0.9;
        winDescent = unitsPerEm * 0.2;
    }

    int pixelsPerEm = 0;
    int cell = 0;
    if (height < 0) {
        pixelsPerEm = -height;
        cell = RoundHalfEven((winAscent + winDescent) * pixelsPerEm / unitsPerEm);
    } else {
        pixelsPerEm = std::max(1, RoundHalfEven(height * unitsPerEm / (winAscent + winDescent)));
        cell = height;
    }
    if (const FT_Error error = FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelsPerEm))) {
        throw FontError("cannot size font " + family_ + " to " + std::to_string(pixelsPerEm) +
                        " pixels: FreeType error " + std::to_string(error));
    }

    const double scale = pixelsPerEm / unitsPerEm;
    metrics_.CellHeight = cell;
    metrics_.Descent = std::clamp(RoundHalfEven(winDescent * scale), 0, cell);
    metrics_.Ascent = cell - metrics_.Descent;
    metrics_.InternalLeading = std::max(0, cell - pixelsPerEm);
    const double averageWidth = WeightedAverageWidth(face_);
    if (averageWidth > 0) {
        metrics_.AverageWidth = RoundHalfEven(averageWidth * scale);
    } else if (hasOs2 && os2->xAvgCharWidth > 0) {
        metrics_.AverageWidth = RoundHalfEven(os2->xAvgCharWidth * scale);
    } else {
        metrics_.AverageWidth = Advance(U'x');
    }

    // FreeType gives the underline's centre; the line is placed so that it stays in the cell.
    const int underlineThickness = std::max(1, RoundHalfEven(face_->underline_thickness * scale));
    int underlineOffset = RoundHalfEven(-face_->underline_position * scale - underlineThickness / 2.0);
    if (metrics_.Descent >= underlineThickness) {
        underlineOffset = std::min(underlineOffset, metrics_.Descent - underlineThickness);
    }
    underline_ = {std::max(0, underlineOffset), underlineThickness};

    // OS/2 gives the top of the strike-out stroke above the baseline; without the table a
    // quarter of the em is close to where fonts put it.
    const double strikeTop = (hasOs2 && os2->yStrikeoutPosition > 0) ? os2->yStrikeoutPosition : unitsPerEm * 0.25;
    const int strikeThickness = (hasOs2 && os2->yStrikeoutSize > 0)
                                    ? std::max(1, RoundHalfEven(os2->yStrikeoutSize * scale))
                                    : underlineThickness;
    strikeOut_ = {-RoundHalfEven(strikeTop * scale), strikeThickness};
}

const Glyph& FontFace::GlyphFor(char32_t cp) {
    auto found = glyphs_.find(cp);
    if (found == glyphs_.end()) found = glyphs_.emplace(cp, Render(cp)).first;
    return found->second;
}

// A glyph FreeType cannot load falls back to the missing-character box, and when even that
// fails it draws nothing: one damaged glyph must not stop a whole caption from drawing.
Glyph FontFace::Render(char32_t cp) const {
    constexpr FT_Int32 kLoadFlags = FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP;
    const FT_UInt index = FT_Get_Char_Index(face_, cp);
    if (FT_Load_Glyph(face_, index, kLoadFlags) != 0 && (index == 0 || FT_Load_Glyph(face_, 0, kLoadFlags) != 0)) {
        return {};
    }
    FT_GlyphSlot slot = face_->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (slantSynthetically_) FT_GlyphSlot_Oblique(slot);
        if (emboldenSynthetically_) FT_GlyphSlot_Embolden(slot);
    }
    Glyph glyph;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;

    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || !bitmap.buffer || bitmap.width == 0 || bitmap.rows == 0) {
        return glyph;
    }
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    const int pitch = std::abs(bitmap.pitch);
    const int levels = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
    for (int y = 0; y < glyph.height; ++y) {
        // A negative pitch means the rows are stored bottom-up from the buffer's start.
        const int storedRow = bitmap.pitch >= 0 ? y : glyph.height - 1 - y;
        const unsigned char* source = bitmap.buffer + static_cast<std::size_t>(storedRow) * pitch;
        std::uint8_t* target = glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width;
        for (int x = 0; x < glyph.width; ++x) {
            target[x] = levels == 255 ? source[x] : static_cast<std::uint8_t>(source[x] * 255 / levels);
        }
    }
    return glyph;
}

}  // namespace gfx
