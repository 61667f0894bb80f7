#include "platform/text_input.h"

#include <algorithm>
#include <array>

namespace platform {

std::vector<char32_t> DecodeUtf8(std::string_view utf8) {
    std::vector<char32_t> out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (b0 < 0x80) {
            out.push_back(b0);
            ++i;
            continue;
        } else if ((b0 & 0xE0) == 0xC0) {
            extra = 1, cp = b0 & 0x1F, min = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2, cp = b0 & 0x0F, min = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3, cp = b0 & 0x07, min = 0x10000;
        } else {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        bool ok = i + extra < utf8.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (b & 0x3F);
        }
        if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

std::string EncodeUtf8(char32_t ch) {
    std::string s;
    if (ch < 0x80) {
        s += static_cast<char>(ch);
    } else if (ch < 0x800) {
        s += static_cast<char>(0xC0 | (ch >> 6));
        s += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        s += static_cast<char>(0xE0 | (ch >> 12));
        s += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (ch >> 18));
        s += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (ch & 0x3F));
    }
    return s;
}

bool Windows1251CanHold(char32_t ch) {
    if (ch < 0x80) return true;
    if (ch >= 0x0410 && ch <= 0x044F) return true;  // А..я
    // The upper half of the code page outside the main Cyrillic block, sorted.
    static constexpr std::array<char32_t, 63> kOthers = {
        0x00A0, 0x00A4, 0x00A6, 0x00A7, 0x00A9, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00B0, 0x00B1, 0x00B5, 0x00B6,
        0x00B7, 0x00BB, 0x0401, 0x0402, 0x0403, 0x0404, 0x0405, 0x0406, 0x0407, 0x0408, 0x0409, 0x040A, 0x040B,
        0x040C, 0x040E, 0x040F, 0x0451, 0x0452, 0x0453, 0x0454, 0x0455, 0x0456, 0x0457, 0x0458, 0x0459, 0x045A,
        0x045B, 0x045C, 0x045E, 0x045F, 0x0490, 0x0491, 0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D,
        0x201E, 0x2020, 0x2021, 0x2022, 0x2026, 0x2030, 0x2039, 0x203A, 0x20AC, 0x2116, 0x2122,
    };
    return std::binary_search(kOthers.begin(), kOthers.end(), ch);
}

char32_t ToLowerChar(char32_t ch) {
    if (ch >= U'A' && ch <= U'Z') return ch + 32;
    if (ch >= 0x0410 && ch <= 0x042F) return ch + 0x20;
    if (ch >= 0x0400 && ch <= 0x040F) return ch + 0x50;
    if (ch == 0x0490) return 0x0491;
    return ch;
}

char32_t ToUpperChar(char32_t ch) {
    if (ch >= U'a' && ch <= U'z') return ch - 32;
    if (ch >= 0x0430 && ch <= 0x044F) return ch - 0x20;
    if (ch >= 0x0450 && ch <= 0x045F) return ch - 0x50;
    if (ch == 0x0491) return 0x0490;
    return ch;
}

}  // namespace platform
