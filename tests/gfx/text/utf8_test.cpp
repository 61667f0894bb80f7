#include <gtest/gtest.h>

#include "gfx/text.h"

namespace {

TEST(Utf8, CyrillicCountsCodePoints) {
    const std::u32string text = gfx::DecodeUtf8("Деньги: 1000");
    EXPECT_EQ(text.size(), 12u);
    EXPECT_EQ(text[0], U'Д');
    EXPECT_EQ(text[5], U'и');
}

TEST(Utf8, RoundTripsEveryLength) {
    const std::u32string text = {U'A', U'ё', U'€', U'\U0001F37A', U'\0', U'z'};
    EXPECT_EQ(gfx::DecodeUtf8(gfx::EncodeUtf8(text)), text);
    EXPECT_EQ(gfx::EncodeUtf8(U"Ёж").size(), 4u);
}

TEST(Utf8, DamagedBytesBecomeReplacementCharacters) {
    // A lone continuation byte, a lead byte cut off by the end, an overlong '/', a UTF-16
    // surrogate and a value past U+10FFFF.
    EXPECT_EQ(gfx::DecodeUtf8("a\x80z"), U"a\uFFFDz");
    EXPECT_EQ(gfx::DecodeUtf8("ab\xD0"), U"ab\uFFFD");
    EXPECT_EQ(gfx::DecodeUtf8("\xE2\x82"), U"\uFFFD\uFFFD");
    EXPECT_EQ(gfx::DecodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");
    EXPECT_EQ(gfx::DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(gfx::DecodeUtf8("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(gfx::DecodeUtf8("\xFF\xFE"), U"\uFFFD\uFFFD");
}

TEST(Utf8, EncodingRefusesNonScalarValues) {
    EXPECT_EQ(gfx::EncodeUtf8(std::u32string{char32_t(0xD800)}), "\xEF\xBF\xBD");
    EXPECT_EQ(gfx::EncodeUtf8(std::u32string{char32_t(0x110000)}), "\xEF\xBF\xBD");
}

TEST(Accelerator, SingleAmpersandMarksTheNextCharacter) {
    EXPECT_EQ(gfx::AcceleratorChar("&Выпить"), U'В');
    EXPECT_EQ(gfx::AcceleratorChar("Со&хранить"), U'х');
}

TEST(Accelerator, DoubledAmpersandIsLiteral) {
    EXPECT_EQ(gfx::AcceleratorChar("Хлеб && соль"), 0u);
    EXPECT_EQ(gfx::AcceleratorChar("&&&Да"), U'Д');
    EXPECT_EQ(gfx::AcceleratorChar("a&&b&c"), U'c');
}

TEST(Accelerator, NoneWhenNothingFollows) {
    EXPECT_EQ(gfx::AcceleratorChar(""), 0u);
    EXPECT_EQ(gfx::AcceleratorChar("Конец&"), 0u);
    EXPECT_EQ(gfx::AcceleratorChar("Пусто"), 0u);
}

}  // namespace
