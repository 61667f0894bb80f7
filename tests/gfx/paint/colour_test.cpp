#include "gfx/colour.h"

#include <gtest/gtest.h>

namespace {

using namespace gfx;

TEST(ColorToPixel, SkinColoursAreBlueGreenRed) {
    EXPECT_EQ(ColorToPixel(0x000000FF), MakePixel(255, 0, 0));
    EXPECT_EQ(ColorToPixel(0x0000FF00), MakePixel(0, 255, 0));
    EXPECT_EQ(ColorToPixel(0x00FF0000), MakePixel(0, 0, 255));
    EXPECT_EQ(ColorToPixel(0x00800000), MakePixel(0, 0, 128));  // the default button's navy frame
    EXPECT_EQ(ColorToPixel(0x00B59385), MakePixel(0x85, 0x93, 0xB5));
}

TEST(ColorToPixel, RoundTripsThroughPixelToColor) {
    for (Color c : {0x00000000u, 0x00123456u, 0x00FFFFFFu, 0x00B59385u})
        EXPECT_EQ(PixelToColor(ColorToPixel(c)), c) << std::hex << c;
}

TEST(ColorToPixel, SystemColoursComeFromTheClassicGreyScheme) {
    // The 3-D edge colours must stay apart from the face, or raised frames vanish.
    EXPECT_EQ(ColorToPixel(clBtnFace), MakePixel(192, 192, 192));
    EXPECT_NE(ColorToPixel(clBtnHighlight), ColorToPixel(clBtnFace));
    EXPECT_NE(ColorToPixel(clBtnShadow), ColorToPixel(clBtnFace));
    EXPECT_NE(ColorToPixel(cl3DDkShadow), ColorToPixel(clBtnShadow));
    // Highlight is navy: blue in the pixel's low byte, not red.
    EXPECT_EQ(ColorToPixel(clHighlight), MakePixel(0, 0, 128));
    EXPECT_NE(ColorToPixel(clWindow), ColorToPixel(clWindowText));
}

TEST(ColorToPixel, UnknownSystemColourIsBlackAndEveryResultOpaque) {
    EXPECT_EQ(ColorToPixel(0xFF0000C8u), MakePixel(0, 0, 0));
    EXPECT_EQ(ColorToPixel(0xFF00FFFFu), MakePixel(0, 0, 0));
    // A palette-relative colour (top byte 2) still names its low three bytes.
    EXPECT_EQ(ColorToPixel(0x020000FFu), MakePixel(255, 0, 0));
    for (Color c : {0x00000000u, clBtnFace, 0xFF0000FFu, 0x1FFFFFFFu}) EXPECT_EQ(PixelA(ColorToPixel(c)), 255);
}

TEST(ColorToPixel, TheFirstIndexPastTheClassicPaletteIsBlack) {
    // 24 is the last colour of the scheme (tooltip background); 25 reads past it.
    EXPECT_EQ(ColorToPixel(0xFF000018u), MakePixel(0xFF, 0xFF, 0xE1));
    EXPECT_EQ(ColorToPixel(0xFF000019u), MakePixel(0, 0, 0));
}
}  // namespace
