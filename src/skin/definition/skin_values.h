#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace skin {

// The written texts of an enumeration, in value order, and the value that any other text
// reads as. Texts are compared exactly, letter case included.
struct EnumTexts {
    std::span<const std::string_view> texts;
    int fallback = 0;

    // The value the text names, or fallback.
    [[nodiscard]] int Parse(std::string_view text) const;
    // The text of a value; a value outside the table writes the fallback's text.
    [[nodiscard]] std::string_view Text(int value) const;
};

// A 32-bit integer written in decimal, or in hexadecimal after "0x" or "$" (up to eight
// digits, taken as the bit pattern), with an optional sign; nothing when the text is not one.
[[nodiscard]] std::optional<int> ParseSkinInteger(std::string_view text);

// Cuts text at each "," and keeps only the digits 0..9 of every piece, so minus signs and
// blanks vanish. Fills `numbers` with the first numbers of the text; false when one of them
// has no digit or does not fit in an int.
[[nodiscard]] bool ParseNumbers(std::string_view text, std::span<int> numbers);

// gfx::FontStyle bits for the words "fsbold", "fsitalic", "fsunderline", "fsstrikeout"
// found anywhere in text (exact case).
[[nodiscard]] std::uint8_t ParseFontStyle(std::string_view text);

// The style words joined by "," in the order bold, italic, underline, strike-out.
[[nodiscard]] std::string FormatFontStyle(std::uint8_t style);

// Trims leading and trailing blanks and control characters (every byte up to the space).
[[nodiscard]] std::string_view TrimSkinText(std::string_view text);

}  // namespace skin
