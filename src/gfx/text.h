#pragma once

#include <string>
#include <string_view>

#include "gfx/font.h"
#include "gfx/geometry.h"

namespace gfx {

// Formatting flags of the platform's text drawing call, combined with |.
enum TextFormat : unsigned {
    dtLeft = 0,
    dtCenter = 1,
    dtRight = 2,
    dtVCenter = 4,        // single line only
    dtBottom = 8,         // single line only
    dtWordBreak = 0x10,   // wrap at spaces; a word wider than the box is broken
    dtSingleLine = 0x20,  // line breaks are ignored
    dtExpandTabs = 0x40,
    dtNoClip = 0x100,
    dtCalcRect = 0x400,  // measure only: the box's right and bottom are adjusted
    dtNoPrefix = 0x800,  // '&' is an ordinary character
    dtEndEllipsis = 0x8000,
    dtHidePrefix = 0x100000,  // '&' is consumed but nothing is underlined
};

// The code points of UTF-8 text; every byte that does not start a well-formed sequence
// becomes U+FFFD, so damaged text still shows where it is damaged.
[[nodiscard]] std::u32string DecodeUtf8(std::string_view utf8);
// UTF-8 of code points; a value that is not a Unicode scalar value becomes U+FFFD.
[[nodiscard]] std::string EncodeUtf8(std::u32string_view text);

// The character a single '&' marks in a caption (the key that clicks the control), or 0
// when there is none; "&&" is a literal ampersand and marks nothing.
[[nodiscard]] char32_t AcceleratorChar(std::string_view utf8);

// The width of one line of text as drawn (no prefix handling, no wrapping).
[[nodiscard]] int TextWidth(const Font& font, std::string_view utf8);
// The height of one line: the font's cell height.
[[nodiscard]] int TextHeight(const Font& font);

// Measures text laid out in box by the format; returns the box the text takes (left/top
// of box, width of the widest line, height of all lines). dtCalcRect is implied.
[[nodiscard]] Rect MeasureText(const Font& font, std::string_view utf8, Rect box, unsigned format);

// The end-ellipsis rule: characters are removed from the end until the text followed by
// "..." fits maxWidth; text that fits is returned as it is.
[[nodiscard]] std::string EllipsizeEnd(const Font& font, std::string_view utf8, int maxWidth);

}  // namespace gfx
