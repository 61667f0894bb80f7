#include "platform/text_input.h"

#include <gtest/gtest.h>

#include "platform/control.h"

namespace {

using platform::DecodeUtf8;

TEST(TextInputTest, DecodesEveryUtf8Length) {
    EXPECT_EQ(DecodeUtf8("aЖ€😀"), (std::vector<char32_t>{U'a', U'Ж', U'€', U'😀'}));
    EXPECT_EQ(platform::EncodeUtf8(U'Ж') + platform::EncodeUtf8(U'😀'), "Ж😀");
}

TEST(TextInputTest, MalformedBytesBecomeReplacementCharactersWithoutReadingPastTheEnd) {
    // A lead byte at the very end, a stray continuation, an overlong slash, a surrogate.
    EXPECT_EQ(DecodeUtf8("\xD0"), (std::vector<char32_t>{0xFFFD}));
    EXPECT_EQ(DecodeUtf8("\x80"
                         "a"),
              (std::vector<char32_t>{0xFFFD, U'a'}));
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), (std::vector<char32_t>{0xFFFD, 0xFFFD}));
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), (std::vector<char32_t>{0xFFFD, 0xFFFD, 0xFFFD}));
    EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80").front(), 0xFFFDu) << "beyond U+10FFFF";
    EXPECT_EQ(DecodeUtf8(std::string_view("\xE2\x82", 2)).size(), 2u);
}

TEST(TextInputTest, Windows1251HoldsCyrillicAndItsPunctuationOnly) {
    for (char32_t ch : std::u32string(U"AzЁёЖжЎўЇїҐґ№€«»—…\u00A0"))
        EXPECT_TRUE(platform::Windows1251CanHold(ch)) << int(ch);
    for (char32_t ch : std::u32string(U"中Ωß😀\uFFFD\u0400\u045D"))
        EXPECT_FALSE(platform::Windows1251CanHold(ch)) << int(ch);
}

TEST(TextInputTest, AcceleratorIsTheLowerCasedCharacterAfterASingleAmpersand) {
    EXPECT_EQ(platform::AcceleratorOf("&Начать"), U'н');
    EXPECT_EQ(platform::AcceleratorOf("Mi&nimize"), U'n');
    EXPECT_EQ(platform::AcceleratorOf("A && B"), 0u);
    EXPECT_EQ(platform::AcceleratorOf("A && &B"), U'b');
    EXPECT_EQ(platform::AcceleratorOf("trailing&"), 0u);
    EXPECT_EQ(platform::AcceleratorOf("&Ёж"), U'ё');
}

}  // namespace
