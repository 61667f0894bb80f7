#include "skin/definition/skin_values.h"

#include <cstdint>

#include "gfx/font.h"

namespace skin {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct StyleWord {
    std::uint8_t bit;
    std::string_view word;
};

constexpr StyleWord kStyleWords[] = {
    {gfx::fsBold, "fsbold"},
    {gfx::fsItalic, "fsitalic"},
    {gfx::fsUnderline, "fsunderline"},
    {gfx::fsStrikeOut, "fsstrikeout"},
};

}  // namespace

int EnumTexts::Parse(std::string_view text) const {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text) return static_cast<int>(i);
    }
    return fallback;
}

std::string_view EnumTexts::Text(int value) const {
    if (value >= 0 && static_cast<std::size_t>(value) < texts.size()) return texts[value];
    return texts[fallback];
}

std::optional<int> ParseSkinInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (text.starts_with('$')) {
        hex = true;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;

    std::uint64_t value = 0;
    if (hex) {
        // Hexadecimal gives the 32-bit pattern, so "$FF00000F" is a system colour.
        if (text.size() > 8) return std::nullopt;
        for (char c : text) {
            const int d = HexDigit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(d);
        }
        const auto bits = static_cast<std::uint32_t>(value);
        const auto result = static_cast<std::int32_t>(negative ? 0u - bits : bits);
        return result;
    }
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 0x80000000ull) return std::nullopt;
    }
    if (negative) return static_cast<int>(-static_cast<std::int64_t>(value));
    if (value > 0x7FFFFFFFull) return std::nullopt;
    return static_cast<int>(value);
}

bool ParseNumbers(std::string_view text, std::span<int> numbers) {
    std::size_t start = 0;
    for (int& number : numbers) {
        if (start > text.size()) return false;
        std::size_t end = text.find(',', start);
        if (end == std::string_view::npos) end = text.size();
        std::int64_t value = 0;
        bool anyDigit = false;
        for (char c : text.substr(start, end - start)) {
            if (!IsDigit(c)) continue;
            anyDigit = true;
            value = value * 10 + (c - '0');
            if (value > 0x7FFFFFFF) return false;
        }
        if (!anyDigit) return false;
        number = static_cast<int>(value);
        start = end + 1;
    }
    return true;
}

std::uint8_t ParseFontStyle(std::string_view text) {
    std::uint8_t style = 0;
    for (const StyleWord& w : kStyleWords) {
        if (text.find(w.word) != std::string_view::npos) style |= w.bit;
    }
    return style;
}

std::string FormatFontStyle(std::uint8_t style) {
    std::string text;
    for (const StyleWord& w : kStyleWords) {
        if ((style & w.bit) == 0) continue;
        if (!text.empty()) text += ',';
        text += w.word;
    }
    return text;
}

std::string_view TrimSkinText(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

}  // namespace skin
