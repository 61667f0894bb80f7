#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The code points of UTF-8 text; each malformed byte becomes U+FFFD.
[[nodiscard]] std::vector<char32_t> DecodeUtf8(std::string_view utf8);
// One code point as UTF-8.
[[nodiscard]] std::string EncodeUtf8(char32_t ch);
// Whether the Windows-1251 code page holds the character (the only ones typed text keeps).
[[nodiscard]] bool Windows1251CanHold(char32_t ch);
// Lower case for Latin and Cyrillic letters, other characters unchanged.
[[nodiscard]] char32_t ToLowerChar(char32_t ch);
// Upper case for Latin and Cyrillic letters, other characters unchanged.
[[nodiscard]] char32_t ToUpperChar(char32_t ch);

}  // namespace platform
