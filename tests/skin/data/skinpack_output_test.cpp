#include <gtest/gtest.h>

#include <sstream>

#include "contact_sheet.h"
#include "skin_fixture.h"
#include "skin_inspect.h"

namespace skinpack {
namespace {

TEST(SkinInspect, PrintsSlotsPicturesFrameAndRecords) {
    std::ostringstream out;
    InspectSkin(testfixtures::SmallSkin(), out);
    const std::string text = out.str();
    for (const char* expected :
         {"version 3\n", "slot picture: 30 x 20, 24 bits\n", "slot inactive picture: empty\n",
          "slot mask: 30 x 20, 1 bit\n", "  1 controls.bmp: 40 x 31, 24 bits\n", "definition: 28 lines\n",
          "[FORMINFO]\n", "  clientrect=3,10,27,17\n", "objects: 2\n", "controls: 2\n",
          "  1 vupdown:updown pictureindex=1 skinrect=20,0,35,31 upbuttonrect=0,0,15,15\n"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << "missing: " << expected << "\nin:\n" << text;
    }
    EXPECT_EQ(text.find("roll-up"), std::string::npos) << "version 3 has no roll-up slots";
}

TEST(SkinInspect, ADamagedStreamThrows) {
    const std::vector<std::uint8_t> junk = {0x78, 0xDA, 1, 2, 3};
    std::ostringstream out;
    EXPECT_THROW(InspectSkin(junk, out), std::runtime_error);
}

TEST(ContactSheet, PlacesEveryPictureInsideAFrame) {
    gfx::Bitmap red(10, 6, gfx::MakePixel(255, 0, 0));
    gfx::Bitmap green(4, 4, gfx::MakePixel(0, 255, 0));
    const gfx::Bitmap sheet = ContactSheet({{"0 red", red}, {"1 green", green}});
    // The first picture sits inside its one-pixel frame at the margin.
    EXPECT_EQ(sheet.at(9, 9), gfx::MakePixel(255, 0, 0));
    EXPECT_EQ(sheet.at(18, 14), gfx::MakePixel(255, 0, 0));
    EXPECT_NE(sheet.at(8, 8), gfx::MakePixel(255, 0, 0));
    int greens = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) greens += sheet.at(x, y) == gfx::MakePixel(0, 255, 0);
    EXPECT_EQ(greens, 16);
    EXPECT_GE(sheet.height(), 6 + 2 + 18);
}

}  // namespace
}  // namespace skinpack
