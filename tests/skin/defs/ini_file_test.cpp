#include "skin/definition/ini_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "gfx/font.h"

namespace {

using skin::IniFile;

TEST(IniFileSyntax, TrimsLinesAndSkipsCommentsAndBlankLines) {
    const IniFile ini = IniFile::FromText(
        "  [ FORMINFO ]  \r\n"
        "\t; a comment = with an equals sign\r\n"
        "\r\n"
        "  borderwidth =  5 \t\r\n"
        "captionrect=7,1,217,31\x01\r\n");
    EXPECT_TRUE(ini.SectionExists("FORMINFO"));
    EXPECT_EQ(ini.ReadString("FORMINFO", "borderwidth", "x"), "5");
    EXPECT_EQ(ini.ReadString("FORMINFO", "captionrect", "x"), "7,1,217,31");
    EXPECT_FALSE(ini.ValueExists("FORMINFO", "; a comment"));
    EXPECT_EQ(ini.KeyCount("FORMINFO"), 2u);
}

TEST(IniFileSyntax, SplitsAtCrLfLoneCrAndLoneLf) {
    const IniFile ini = IniFile::FromText("[a]\r\nx=1\ry=2\nz=3");
    EXPECT_EQ(ini.ReadString("a", "x", ""), "1");
    EXPECT_EQ(ini.ReadString("a", "y", ""), "2");
    EXPECT_EQ(ini.ReadString("a", "z", ""), "3");
    const IniFile reversed = IniFile::FromText("[b]\n\rx=1\r\n\ry=2\r");
    EXPECT_EQ(reversed.ReadString("b", "x", ""), "1");
    EXPECT_EQ(reversed.ReadString("b", "y", ""), "2");
    EXPECT_EQ(reversed.KeyCount("b"), 2u);
}

TEST(IniFileSyntax, DropsLinesBeforeTheFirstSectionAndLinesWithoutEquals) {
    const IniFile ini = IniFile::FromText("orphan=1\n[s]\njust text\nk=v\n");
    EXPECT_EQ(ini.SectionNames(), std::vector<std::string>{"s"});
    EXPECT_EQ(ini.KeyCount("s"), 1u);
}

TEST(IniFileSyntax, KeyIsTextBeforeTheFirstEqualsSign) {
    const IniFile ini = IniFile::FromText("[s]\nhint = a=b = c\n");
    EXPECT_EQ(ini.ReadString("s", "hint", ""), "a=b = c");
}

TEST(IniFileLookup, SectionAndKeyNamesIgnoreCase) {
    const IniFile ini = IniFile::FromText("[mainmenubaritem]\nunenabledfontColor=7766662\nfontname=Tahoma\n");
    EXPECT_EQ(ini.ReadInteger("MAINMENUBARITEM", "unenabledfontcolor", 0), 7766662);
    EXPECT_EQ(ini.ReadString("mainmenubaritem", "fontName", ""), "Tahoma");
}

TEST(IniFileLookup, LongKeysThatDifferOnlyInTheMiddleStayApart) {
    // Same length, same first and last eight bytes: only the middle tells them apart.
    const IniFile ini = IniFile::FromText(
        "[s]\nbuttonfontcolorwith=1\nbuttonfontheightwith=2\nBUTTONFONTwidthsWITH=3\nbuttonfONTnamezzwith=4\n");
    EXPECT_EQ(ini.ReadString("s", "buttonfontcolorwith", ""), "1");
    EXPECT_EQ(ini.ReadString("s", "ButtonFontHeightWith", ""), "2");
    EXPECT_EQ(ini.ReadString("s", "buttonfontwidthswith", ""), "3");
    EXPECT_EQ(ini.ReadString("s", "BUTTONFONTNAMEZZWITH", ""), "4");
    EXPECT_EQ(ini.KeyCount("s"), 4u);
}

TEST(IniFileLookup, OnlyAsciiLettersFoldCase) {
    // These pairs differ by 0x20 like a capital and its small letter, yet are not ASCII letters.
    const IniFile ini = IniFile::FromText("[s]\nkey\xC4=upper\nkey\xE4=lower\n@[=x\n");
    EXPECT_EQ(ini.ReadString("s", "key\xC4", ""), "upper");
    EXPECT_EQ(ini.ReadString("s", "key\xE4", ""), "lower");
    EXPECT_EQ(ini.ReadString("s", "@[", ""), "x");
    EXPECT_FALSE(ini.ValueExists("s", "`{"));
}

TEST(IniFileSyntax, LongLinesWithTabsBreakWhereTheirLineBreakIs) {
    const auto value = [](int pad) {
        return std::string("x").append(static_cast<std::size_t>(pad), 'v').append("\tend");
    };
    std::string text = "[s]\r\n";
    for (int pad = 0; pad < 20; ++pad) {
        text.append("k").append(std::to_string(pad)).append("=").append(value(pad));
        text.append(pad % 3 == 0 ? "\r\n" : pad % 3 == 1 ? "\n" : "\r");
    }
    const IniFile ini = IniFile::FromText(text);
    EXPECT_EQ(ini.KeyCount("s"), 20u);
    for (int pad = 0; pad < 20; ++pad)
        EXPECT_EQ(ini.ReadString("s", std::string("k").append(std::to_string(pad)), ""), value(pad));
}

TEST(IniFileLookup, ValuesKeepTheirCase) {
    const IniFile ini = IniFile::FromText("[s]\nstretchtype=STVERT\n");
    EXPECT_EQ(ini.ReadString("s", "stretchtype", ""), "STVERT");
}

TEST(IniFileLookup, FirstOccurrenceOfKeyAndSectionWins) {
    const IniFile ini = IniFile::FromText("[s]\nk=first\nK=second\n[S]\nk=third\nother=1\n");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "first");
    EXPECT_FALSE(ini.ValueExists("s", "other"));
    EXPECT_EQ(ini.SectionNames().size(), 1u);
}

TEST(IniFileLookup, EmptyValueIsTheEmptyStringNotTheDefault) {
    const IniFile ini = IniFile::FromText("[s]\nfontname=\n");
    EXPECT_TRUE(ini.ValueExists("s", "fontname"));
    EXPECT_EQ(ini.ReadString("s", "fontname", "Arial"), "");
    EXPECT_EQ(ini.ReadString("s", "missing", "Arial"), "Arial");
    EXPECT_EQ(ini.ReadString("nosection", "fontname", "Arial"), "Arial");
}

TEST(IniFileLists, ReadsCountedListsAndLines) {
    const IniFile ini = IniFile::FromText(
        "[PICTURES]\nactivepicturescount=3\n0=active.bmp\n2=controls.bmp\n"
        "[bitlabel]\nsymbolslinecount=2\nsymbolsline0=0123\nSymbolsLine1=ABC\n");
    EXPECT_EQ(ini.ReadList("PICTURES", "activepictures"), (std::vector<std::string>{"active.bmp", "", "controls.bmp"}));
    EXPECT_EQ(ini.ReadLines("bitlabel", "symbols"), (std::vector<std::string>{"0123", "ABC"}));
    EXPECT_TRUE(ini.ReadList("PICTURES", "missing").empty());
}

TEST(IniFileLists, CountBeyondWhatTheSectionHoldsIsAFormatError) {
    const IniFile ini = IniFile::FromText("[PICTURES]\nactivepicturescount=2147483647\n0=a.bmp\n");
    EXPECT_THROW((void)ini.ReadList("PICTURES", "activepictures"), skin::SkinFormatError);
    const IniFile negative = IniFile::FromText("[PICTURES]\nactivepicturescount=-4\n");
    EXPECT_TRUE(negative.ReadList("PICTURES", "activepictures").empty());
}

TEST(IniFileLists, IndexedValuesVisitsOnlyPresentPlainIndicesBelowCount) {
    const IniFile ini = IniFile::FromText("[l]\ncount=2000000000\n7=g\n01=x\n+2=y\n0=a\n0=dup\n1999999999=z\n");
    const auto values = ini.IndexedValues("l", 2000000000);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].first, 0);
    EXPECT_EQ(values[0].second, "a");
    EXPECT_EQ(values[1].first, 7);
    EXPECT_EQ(values[2].first, 1999999999);
    EXPECT_EQ(ini.IndexedValues("l", 7).size(), 1u);
}

TEST(IniFileWriting, WriteReplacesFirstOccurrenceOrAppends) {
    IniFile ini = IniFile::FromText("[s]\nKey=1\n");
    ini.WriteString("S", "key", "2");
    ini.WriteString("t", "new", "3");
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[s]", "Key=2", "", "[t]", "new=3", ""}));
}

TEST(IniFileWriting, EraseSectionRemovesItAndKeepsTheOthersReachable) {
    IniFile ini = IniFile::FromText("[a]\nx=1\n[b]\ny=2\n[c]\nz=3\n");
    ini.EraseSection("B");
    EXPECT_FALSE(ini.SectionExists("b"));
    EXPECT_EQ(ini.ReadString("c", "z", ""), "3");
    EXPECT_EQ(ini.ReadString("a", "x", ""), "1");
    ini.EraseSection("missing");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"a", "c"}));
}

TEST(IniFileWriting, ChangesAfterALookupAreSeenByTheNextLookup) {
    IniFile ini = IniFile::FromText("[a]\nx=1\n[b]\ny=2\n[c]\nz=3\n");
    EXPECT_EQ(ini.ReadString("c", "z", ""), "3");
    ini.EraseSection("a");
    EXPECT_EQ(ini.ReadString("c", "z", ""), "3");
    EXPECT_EQ(ini.ReadString("b", "y", ""), "2");
    const IniFile copy = ini;
    ini.EraseSection("b");
    EXPECT_EQ(ini.ReadString("b", "y", "gone"), "gone");
    EXPECT_EQ(copy.ReadString("b", "y", "gone"), "2");
    ini.WriteString("B", "y", "4");
    EXPECT_EQ(ini.ReadString("b", "Y", ""), "4");
    EXPECT_EQ(ini.ReadString("c", "z", ""), "3");
}

TEST(IniFileWriting, NamesAndValuesOutliveTheTextAndTheFileTheyCameFrom) {
    std::string text = "[s]\nkey=first\n";
    std::optional<IniFile> original(IniFile::FromText(text));
    text.assign(text.size(), '#');
    IniFile copy = *original;
    original->WriteString("s", "key", "second");
    original->WriteString("s", "other", "third");
    original.reset();
    EXPECT_EQ(copy.ReadString("S", "KEY", ""), "first");
    EXPECT_FALSE(copy.ValueExists("s", "other"));
    copy.WriteString("s", "key", std::string(40, 'x'));
    EXPECT_EQ(copy.ReadString("s", "key", ""), std::string(40, 'x'));
}

TEST(IniFileWriting, ThousandsOfKeysWrittenOneByOneAreAllFound) {
    IniFile ini;
    for (int i = 0; i < 3000; ++i) ini.WriteInteger("many", "key" + std::to_string(i), i);
    ini.WriteInteger("many", "KEY17", -1);
    EXPECT_EQ(ini.KeyCount("many"), 3000u);
    for (int i = 0; i < 3000; ++i) ASSERT_EQ(ini.ReadInteger("MANY", "Key" + std::to_string(i), -2), i == 17 ? -1 : i);
    EXPECT_FALSE(ini.ValueExists("many", "key3000"));
}

TEST(IniFileWriting, LinesReadBackToTheSameFile) {
    IniFile ini;
    ini.WriteRect("FORMINFO", "clientrect", {6, 33, 218, 163});
    ini.WriteFontStyle("caption", "fontstyle", gfx::fsBold | gfx::fsStrikeOut);
    ini.WriteColor("SKINCOLORS", "cbtnface", gfx::clBtnFace);
    ini.WriteList("PICTURES", "activepictures", std::vector<std::string>{"a.bmp", "b.bmp"});
    const IniFile again(ini.Lines());
    EXPECT_EQ(again.Lines(), ini.Lines());
    EXPECT_EQ(again.ReadRect("FORMINFO", "clientrect", {}), (gfx::Rect{6, 33, 218, 163}));
    EXPECT_EQ(again.ReadFontStyle("caption", "fontstyle", 0), gfx::fsBold | gfx::fsStrikeOut);
    EXPECT_EQ(again.ReadColor("SKINCOLORS", "cbtnface", 0), gfx::clBtnFace);
    EXPECT_EQ(again.ReadList("PICTURES", "activepictures"), (std::vector<std::string>{"a.bmp", "b.bmp"}));
}

}  // namespace
