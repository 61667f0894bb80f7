#include "skin_check.h"

#include <gtest/gtest.h>

#include <fstream>

#include "package_fixtures.h"
#include "skin/package/skn_file.h"
#include "temp_folder.h"

namespace skinpack {
namespace {

bool Mentions(const CheckReport& report, std::string_view text) {
    for (const std::string& p : report.problems) {
        if (p.find(text) != std::string::npos) return true;
    }
    return false;
}

// A definition with only a frame, a button and a caption, beside its bitmaps.
class SkinCheck : public ::testing::Test {
protected:
    CheckReport Check(const std::string& extra) {
        skin::WriteBinaryFile(dir.path() / "main.bmp", testfixtures::Bmp24(50, 40));
        skin::WriteBinaryFile(dir.path() / "controls.bmp", testfixtures::Bmp24(60, 30));
        std::ofstream(dir.path() / "Skin.ini", std::ios::binary)
            << "[VERSION]\n[PICTURES]\npicture=main.bmp\nactivepicturescount=1\n0=controls.bmp\n"
               "[FORMINFO]\nclientrect=4,20,46,36\n"
               "[SKINOBJECTS]\ncount=1\n0=caption:caption\n[caption]\nskinrect=4,2,46,18\n"
               "[SKINCONTROLS]\ncount=1\n0=button:button\n[button]\npictureindex=0\nskinrect=0,0,30,21\n"
            << extra;
        return CheckSkin(dir.path() / "Skin.ini");
    }
    testfixtures::TempFolder dir;
};

TEST_F(SkinCheck, ListsTheRecordsTheGameNeeds) {
    const CheckReport report = Check("");
    EXPECT_FALSE(report.Clean());
    EXPECT_TRUE(Mentions(report, "has no vupdown:updown"));
    EXPECT_TRUE(Mentions(report, "has no closebutton:stdbutton"));
    EXPECT_FALSE(Mentions(report, "has no button:button"));
    EXPECT_FALSE(Mentions(report, "caption"));
    EXPECT_EQ(report.recordsChecked, 2);
}

TEST_F(SkinCheck, FindsRectanglesOutsideTheirPicture) {
    const CheckReport report = Check("activeskinrect=40,0,70,21\nclientrect=2,2,40,19\n");
    EXPECT_TRUE(Mentions(report, "[button] activeskinrect 40,0,70,21 lies outside picture 0 (60 x 30)"));
    EXPECT_TRUE(Mentions(report, "[button] clientrect 2,2,40,19 does not fit in skinrect 0,0,30,21"));
}

TEST_F(SkinCheck, FindsPictureIndicesThatNameNoPicture) {
    const CheckReport report = Check("[POPUPWINDOW]\nwindowpictureindex=3\n");
    EXPECT_TRUE(Mentions(report, "[POPUPWINDOW] windowpictureindex is 3 but the skin has 1 active pictures"));
}

TEST_F(SkinCheck, AMissingBitmapIsASingleProblem) {
    std::ofstream(dir.path() / "Skin.ini", std::ios::binary)
        << "[VERSION]\n[PICTURES]\npicture=gone.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n";
    const CheckReport report = CheckSkin(dir.path() / "Skin.ini");
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_TRUE(Mentions(report, "gone.bmp"));
}

}  // namespace
}  // namespace skinpack
