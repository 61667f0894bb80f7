#include "controls/text/edit_text_rules.h"

#include <string>

#include "platform/text_input.h"

namespace controls {

namespace {

enum class Kind { Word, Blank, Other };

Kind KindOf(char32_t ch) {
    if (IsWordChar(ch)) return Kind::Word;
    if (ch == U' ' || ch == 0x00A0) return Kind::Blank;
    return Kind::Other;
}

}  // namespace

char32_t InCharCase(char32_t ch, TEditCharCase charCase) {
    switch (charCase) {
        case TEditCharCase::ecUpperCase:
            return platform::ToUpperChar(ch);
        case TEditCharCase::ecLowerCase:
            return platform::ToLowerChar(ch);
        default:
            return ch;
    }
}

std::u32string FilterEditInput(std::u32string_view text, TEditCharCase charCase) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t ch = text[i];
        if (ch == U'\r' || ch == U'\n' || ch == U'\t') {
            // A CR LF pair is one line break.
            if (ch == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            out += U' ';
        } else if (ch >= 0x20 && ch != 0x7F && platform::Windows1251CanHold(ch)) {
            out += InCharCase(ch, charCase);
        }
    }
    return out;
}

bool IsWordChar(char32_t ch) {
    if ((ch >= U'0' && ch <= U'9') || (ch >= U'A' && ch <= U'Z') || (ch >= U'a' && ch <= U'z') || ch == U'_')
        return true;
    // The Cyrillic letters of the code page, Ґ and ґ included.
    return (ch >= 0x0400 && ch <= 0x045F) || ch == 0x0490 || ch == 0x0491;
}

int WordStartBefore(std::u32string_view text, int pos) {
    while (pos > 0 && !IsWordChar(text[pos - 1])) --pos;
    while (pos > 0 && IsWordChar(text[pos - 1])) --pos;
    return pos;
}

int WordEndAfter(std::u32string_view text, int pos) {
    const int n = static_cast<int>(text.size());
    while (pos < n && !IsWordChar(text[pos])) ++pos;
    while (pos < n && IsWordChar(text[pos])) ++pos;
    return pos;
}

std::pair<int, int> RunAt(std::u32string_view text, int pos) {
    const int n = static_cast<int>(text.size());
    if (n == 0) return {0, 0};
    if (pos >= n) pos = n - 1;
    if (pos < 0) pos = 0;
    const Kind kind = KindOf(text[pos]);
    int first = pos;
    int last = pos + 1;
    // Punctuation is taken one character at a time, as a word of its own.
    if (kind == Kind::Other) return {first, last};
    while (first > 0 && KindOf(text[first - 1]) == kind) --first;
    while (last < n && KindOf(text[last]) == kind) ++last;
    return {first, last};
}

}  // namespace controls
