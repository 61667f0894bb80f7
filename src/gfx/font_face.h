#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "gfx/font.h"
#include "gfx/font_library.h"
#include "gfx/font_resolver.h"

struct FT_FaceRec_;

namespace gfx {

// One rendered character: an 8-bit coverage mask (rows packed, stride = width) placed
// relative to the pen on the baseline, and how far the pen moves after it.
struct Glyph {
    std::vector<std::uint8_t> coverage;
    int width = 0;
    int height = 0;
    int left = 0;  // mask's left edge minus the pen's x
    int top = 0;   // baseline's y minus the mask's top edge (positive above the baseline)
    int advance = 0;
};

// A horizontal line drawn with the text: its top relative to the baseline (positive
// below it) and its thickness, both in pixels.
struct DecorationLine {
    int offset = 0;
    int thickness = 1;
};

// A face of one font file at one pixel size, with the metrics a Windows-style font
// reports and a cache of every glyph rendered so far.
class FontFace {
public:
    // Opens the file at the size the logical height asks for; throws FontError.
    FontFace(const FontLibrary& library, const FontFile& file, int height, bool bold, bool italic);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    [[nodiscard]] const FontMetrics& Metrics() const { return metrics_; }
    [[nodiscard]] DecorationLine Underline() const { return underline_; }
    [[nodiscard]] DecorationLine StrikeOut() const { return strikeOut_; }

    // The glyph of a code point, rendered on first use; a character the face lacks gives
    // the face's missing-character box.
    [[nodiscard]] const Glyph& GlyphFor(char32_t cp);
    [[nodiscard]] int Advance(char32_t cp) { return GlyphFor(cp).advance; }

private:
    void ComputeMetrics(int height);
    [[nodiscard]] Glyph Render(char32_t cp) const;

    FT_FaceRec_* face_ = nullptr;
    std::string family_;
    bool emboldenSynthetically_ = false;
    bool slantSynthetically_ = false;
    FontMetrics metrics_;
    DecorationLine underline_;
    DecorationLine strikeOut_;
    std::unordered_map<char32_t, Glyph> glyphs_;
};

}  // namespace gfx
