#include "gfx/font.h"

#include <gtest/gtest.h>

#include <limits>

#include "gfx/text.h"

namespace {

gfx::Font MakeFont(const char* name, int height, std::uint8_t style = 0) {
    gfx::Font font;
    font.Name = name;
    font.Height = height;
    font.Style = style;
    return font;
}

TEST(FontResolution, PlatformFamiliesMapToMetricCompatibleOnes) {
    EXPECT_EQ(gfx::ResolvedFamily("Arial"), "Liberation Sans");
    EXPECT_EQ(gfx::ResolvedFamily("MS Sans Serif"), "Liberation Sans");
    EXPECT_EQ(gfx::ResolvedFamily("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(gfx::ResolvedFamily("Courier New"), "Liberation Mono");
}

TEST(FontResolution, SkinNamesMatchWithoutRegardToCase) {
    EXPECT_EQ(gfx::ResolvedFamily("arial"), "Liberation Sans");
    EXPECT_EQ(gfx::ResolvedFamily("ms sans serif"), "Liberation Sans");
}

TEST(FontResolution, UnknownFamilyFallsBackToAnInstalledFont) {
    const gfx::Font font = MakeFont("No Such Family Anywhere", -12);
    EXPECT_FALSE(gfx::ResolvedFamily(font.Name).empty());
    EXPECT_GT(gfx::GetFontMetrics(font).CellHeight, 0);
    EXPECT_GT(gfx::TextWidth(font, "Деньги"), 0);
}

TEST(FontMetricsTest, NegativeHeightIsTheCharacterHeight) {
    // The windows' "Arial 16 px": a cell of 18 that an edit of 22 (with its 4-pixel
    // border) was laid out for.
    const gfx::FontMetrics m = gfx::GetFontMetrics(MakeFont("Arial", -16));
    EXPECT_EQ(m.CellHeight, 18);
    EXPECT_EQ(m.Ascent, 15);
    EXPECT_EQ(m.Descent, 3);
    EXPECT_EQ(m.InternalLeading, 2);
    EXPECT_EQ(m.AverageWidth, 7);
}

TEST(FontMetricsTest, PositiveHeightIsTheCellHeight) {
    for (const int height : {11, 13, 14, 16, 18, 25}) {
        const gfx::FontMetrics m = gfx::GetFontMetrics(MakeFont("Arial", height));
        EXPECT_EQ(m.CellHeight, height);
        EXPECT_EQ(m.Ascent + m.Descent, height);
        EXPECT_GT(m.Ascent, m.Descent);
    }
}

TEST(FontMetricsTest, CellGrowsWithCharacterHeight) {
    int previous = 0;
    for (int height = -6; height >= -40; height -= 2) {
        const gfx::FontMetrics m = gfx::GetFontMetrics(MakeFont("MS Sans Serif", height));
        EXPECT_GT(m.CellHeight, previous) << height;
        EXPECT_EQ(m.CellHeight - m.InternalLeading, -height);
        previous = m.CellHeight;
    }
}

TEST(FontMetricsTest, BoldFaceIsWiderButKeepsTheCell) {
    const gfx::Font regular = MakeFont("Arial", -16);
    const gfx::Font bold = MakeFont("Arial", -16, gfx::fsBold);
    EXPECT_EQ(gfx::GetFontMetrics(bold).CellHeight, gfx::GetFontMetrics(regular).CellHeight);
    EXPECT_GT(gfx::TextWidth(bold, "Деньги: 1000"), gfx::TextWidth(regular, "Деньги: 1000"));
}

TEST(FontMetricsTest, UnderlineAndColourDoNotChangeMeasurements) {
    gfx::Font plain = MakeFont("Arial", 14);
    gfx::Font decorated = MakeFont("Arial", 14, gfx::fsUnderline | gfx::fsStrikeOut);
    decorated.FontColor = 0x0000FF;
    EXPECT_EQ(gfx::TextWidth(decorated, "Купить"), gfx::TextWidth(plain, "Купить"));
    EXPECT_EQ(gfx::TextHeight(decorated), gfx::TextHeight(plain));
}

TEST(FontMetricsTest, HeightsNoWindowCouldShowAreRefused) {
    EXPECT_THROW((void)gfx::GetFontMetrics(MakeFont("Arial", 100000)), gfx::FontError);
    EXPECT_THROW((void)gfx::GetFontMetrics(MakeFont("Arial", std::numeric_limits<int>::min())), gfx::FontError);
    try {
        (void)gfx::TextWidth(MakeFont("Arial", -5000), "x");
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("-5000"), std::string::npos) << e.what();
    }
}

TEST(FontMetricsTest, ZeroHeightGivesTheDefaultSize) {
    const gfx::FontMetrics m = gfx::GetFontMetrics(MakeFont("Arial", 0));
    EXPECT_EQ(m.CellHeight, 16);
}

}  // namespace
