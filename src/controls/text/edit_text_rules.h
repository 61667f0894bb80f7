#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace controls {

// How an edit changes the letter case of what is typed, pasted or set.
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The text an edit accepts from typing or the clipboard: line breaks and tabs become one
// space each (a CR LF pair one space), other control characters and every character
// Windows-1251 cannot encode are dropped, the rest is kept in order and put in the case.
[[nodiscard]] std::u32string FilterEditInput(std::u32string_view text, TEditCharCase charCase);
// The character in the edit's letter case.
[[nodiscard]] char32_t InCharCase(char32_t ch, TEditCharCase charCase);

// Whether a character belongs to a word (letters, digits, the underscore) for word moves,
// word deletion and double-click selection.
[[nodiscard]] bool IsWordChar(char32_t ch);
// The start of the word at or before pos: blanks and punctuation before pos are skipped,
// then the word itself.
[[nodiscard]] int WordStartBefore(std::u32string_view text, int pos);
// The end of the word at or after pos: what is not a word is skipped, then the word.
[[nodiscard]] int WordEndAfter(std::u32string_view text, int pos);
// The run of characters of one kind (word, blank or punctuation) that holds the character
// at pos (or the one before it at the end of the text), as [first, last).
[[nodiscard]] std::pair<int, int> RunAt(std::u32string_view text, int pos);

}  // namespace controls
