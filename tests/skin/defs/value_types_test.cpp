#include <gtest/gtest.h>

#include "gfx/colour.h"
#include "gfx/font.h"
#include "skin/definition/ini_file.h"
#include "skin/definition/skin_enums.h"
#include "skin/definition/skin_values.h"

namespace {

using skin::IniFile;

IniFile OneKey(const std::string& key, const std::string& value) {
    return IniFile::FromText("[s]\n" + key + "=" + value + "\n");
}

TEST(SkinInteger, ReadsDecimalAndBothHexadecimalForms) {
    EXPECT_EQ(OneKey("k", "42").ReadInteger("s", "k", -1), 42);
    EXPECT_EQ(OneKey("k", "-1").ReadInteger("s", "k", 0), -1);
    EXPECT_EQ(OneKey("k", "0x10").ReadInteger("s", "k", 0), 16);
    EXPECT_EQ(OneKey("k", "$10").ReadInteger("s", "k", 0), 16);
    EXPECT_EQ(OneKey("k", "$ff").ReadInteger("s", "k", 0), 255);
    EXPECT_EQ(OneKey("k", "-2147483648").ReadInteger("s", "k", 0), -2147483648);
}

TEST(SkinInteger, TextThatIsNotAnIntegerGivesTheDefault) {
    for (const char* bad :
         {"", "abc", "12px", "1.5", "0x", "$", "- 1", "2147483648", "99999999999999999999", "$123456789"}) {
        EXPECT_EQ(OneKey("k", bad).ReadInteger("s", "k", 7), 7) << bad;
    }
}

// 12033930 is 0xB79F8A: red 0x8A, green 0x9F, blue 0xB7. (Read as 138, 160, 183 it would
// be 12034186, so the green channel is 159.)
TEST(SkinColor, IsTheIntegerInBgrOrder) {
    const gfx::Color c = OneKey("fontcolor", "12033930").ReadColor("s", "fontcolor", 0);
    const gfx::Pixel p = gfx::ColorToPixel(c);
    EXPECT_EQ(gfx::PixelR(p), 138);
    EXPECT_EQ(gfx::PixelG(p), 159);
    EXPECT_EQ(gfx::PixelB(p), 183);
    EXPECT_EQ(OneKey("c", "16777215").ReadColor("s", "c", 0), gfx::clWhite);
}

TEST(SkinColor, HexadecimalReachesTheSystemColours) {
    EXPECT_EQ(OneKey("c", "$FF00000F").ReadColor("s", "c", 0), gfx::clBtnFace);
    EXPECT_EQ(OneKey("c", "-16777201").ReadColor("s", "c", 0), gfx::clBtnFace);
    EXPECT_EQ(OneKey("c", "red").ReadColor("s", "c", gfx::clWhite), gfx::clWhite);
}

TEST(SkinBool, TrueOnlyForExactlyOne) {
    EXPECT_TRUE(OneKey("leftstretch", "1").ReadBool("s", "leftstretch", false));
    EXPECT_TRUE(OneKey("b", "$1").ReadBool("s", "b", false));
    for (const char* notTrue : {"0", "2", "-1", "true", "yes", ""}) {
        EXPECT_FALSE(OneKey("b", notTrue).ReadBool("s", "b", false)) << notTrue;
    }
}

TEST(SkinNumberList, RectIsLeftTopRightBottom) {
    const gfx::Rect r = OneKey("skinrect", "0,0,20,21").ReadRect("s", "skinrect", {});
    EXPECT_EQ(r, (gfx::Rect{0, 0, 20, 21}));
    EXPECT_EQ(r.width(), 20);
    EXPECT_EQ(r.height(), 21);
}

TEST(SkinNumberList, BlanksAndMinusSignsAreDropped) {
    EXPECT_EQ(OneKey("p", "5, 3").ReadPoint("s", "p", {}), (gfx::Point{5, 3}));
    EXPECT_EQ(OneKey("p", "-5,3").ReadPoint("s", "p", {}), (gfx::Point{5, 3}));
    EXPECT_EQ(OneKey("p", "1 2,x3y").ReadPoint("s", "p", {}), (gfx::Point{12, 3}));
    EXPECT_EQ(OneKey("r", "1,2,3,4,5,junk").ReadRect("s", "r", {}), (gfx::Rect{1, 2, 3, 4}));
    EXPECT_EQ(OneKey("p", "1,2,3").ReadPoint("s", "p", {}), (gfx::Point{1, 2}));
}

TEST(SkinNumberList, MissingKeyGivesTheDefault) {
    EXPECT_EQ(OneKey("x", "1").ReadPoint("s", "p", {4, 5}), (gfx::Point{4, 5}));
    EXPECT_EQ(OneKey("x", "1").ReadRect("s", "r", {}), gfx::Rect{});
}

TEST(SkinNumberList, PieceWithoutDigitIsAFormatErrorNamingSectionKeyAndValue) {
    for (const char* bad : {"", "5", "5,", ",3", "a,b", "-,-", "99999999999,1"}) {
        EXPECT_THROW((void)OneKey("p", bad).ReadPoint("s", "p", {}), skin::SkinFormatError) << bad;
    }
    EXPECT_THROW((void)OneKey("r", "1,2,,4").ReadRect("s", "r", {}), skin::SkinFormatError);
    try {
        (void)IniFile::FromText("[FORMINFO]\nlefttoppoint=10;33\n").ReadPoint("FORMINFO", "lefttoppoint", {});
        FAIL() << "no error";
    } catch (const skin::SkinFormatError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("FORMINFO"), std::string::npos) << message;
        EXPECT_NE(message.find("lefttoppoint"), std::string::npos) << message;
        EXPECT_NE(message.find("10;33"), std::string::npos) << message;
    }
}

TEST(SkinFontStyle, SubstringTestsWithExactCase) {
    EXPECT_EQ(OneKey("f", "fsbold,fsitalic").ReadFontStyle("s", "f", 0), gfx::fsBold | gfx::fsItalic);
    EXPECT_EQ(OneKey("f", "[fsUnderline] fsstrikeoutfsbold").ReadFontStyle("s", "f", 0),
              gfx::fsStrikeOut | gfx::fsBold);
    EXPECT_EQ(OneKey("f", "FSBOLD,FSITALIC").ReadFontStyle("s", "f", 0), 0);
    EXPECT_EQ(OneKey("f", "").ReadFontStyle("s", "f", gfx::fsBold), 0);
}

TEST(SkinFontStyle, WrittenInFixedOrder) {
    EXPECT_EQ(skin::FormatFontStyle(gfx::fsStrikeOut | gfx::fsBold | gfx::fsUnderline),
              "fsbold,fsunderline,fsstrikeout");
    EXPECT_EQ(skin::FormatFontStyle(0), "");
}

TEST(SkinEnumerations, ExactTextsAndTheirFallbacks) {
    using skin::IniFile;
    auto read = [](const std::string& value, const skin::EnumTexts& texts) {
        return OneKey("e", value).ReadEnum("s", "e", texts, -1);
    };
    EXPECT_EQ(read("stvert", skin::kStretchTypeTexts), 2);
    EXPECT_EQ(read("STVERT", skin::kStretchTypeTexts), 1);
    EXPECT_EQ(read("stfull", skin::kStretchTypeTexts), 0);
    EXPECT_EQ(read("iesplitblur", skin::kInactiveEffectTexts), 4);
    EXPECT_EQ(read("iefancy", skin::kInactiveEffectTexts), 2);
    EXPECT_EQ(read("taleftjustify", skin::kAlignmentTexts), 0);
    EXPECT_EQ(read("centre", skin::kAlignmentTexts), 1);
    EXPECT_EQ(read("cmminimizetotray", skin::kCommandTexts), 6);
    EXPECT_EQ(read("cmclose", skin::kCommandTexts), 0);
    EXPECT_EQ(read("CMCLOSE", skin::kCommandTexts), 6);
    EXPECT_EQ(read("mkpush", skin::kMorphKindTexts), 6);
    EXPECT_EQ(read("mkbounce", skin::kMorphKindTexts), 0);
    EXPECT_EQ(read("", skin::kGaugeKindTexts), 1);
    EXPECT_EQ(read("rkhorizontal", skin::kRegulatorKindTexts), 1);
    EXPECT_EQ(read("rkdial", skin::kRegulatorKindTexts), 2);
    EXPECT_EQ(OneKey("x", "1").ReadEnum("s", "e", skin::kCommandTexts, 4), 4);
}

TEST(SkinEnumerations, ValueOutsideTheTableWritesTheFallbackText) {
    EXPECT_EQ(skin::kAlignmentTexts.Text(2), "tacenter");
    EXPECT_EQ(skin::kAlignmentTexts.Text(9), "tarightjustify");
    EXPECT_EQ(skin::kAlignmentTexts.Text(-1), "tarightjustify");
}

}  // namespace
