#include "skin/package/default_skin.h"

#include <gtest/gtest.h>

#include "skin/package/compressed_stored_skin.h"
#include "skin/package/skin_package.h"
#include "skin/skin_data.h"
#include "skin_check.h"

namespace skin {
namespace {

const char* const kDefinition = BURDOMIR_SOURCE_DIR "/assets/skin/Default.ini";

// The program's own skin, embedded at build time, loads with the geometry the windows and
// controls are laid out for.
class DefaultSkin : public ::testing::Test {
protected:
    void SetUp() override {
        if (DefaultSkinData().empty()) GTEST_FAIL() << "the build embedded no skin; is assets/skin/Default.ini there?";
        stored.SetData(DefaultSkinData());
        data.SetCompressedStoredSkin(&stored);
    }
    TspCompressedStoredSkin stored;
    TspSkinData data;
};

TEST_F(DefaultSkin, IsALevelNineZlibStream) {
    ASSERT_GE(DefaultSkinData().size(), 2u);
    EXPECT_EQ(DefaultSkinData()[0], 0x78);
    EXPECT_EQ(DefaultSkinData()[1], 0xDA);
}

TEST_F(DefaultSkin, FrameBitmapsAndPictures) {
    const SkinPackage package = ReadSkinPackage(InflateSkin(DefaultSkinData()));
    EXPECT_EQ(package.picture.pixels.size(), (gfx::Size{224, 169}));
    EXPECT_EQ(package.picture.bitsPerPixel, 24);
    EXPECT_EQ(package.mask.pixels.size(), (gfx::Size{224, 169}));
    EXPECT_EQ(package.mask.bitsPerPixel, 1);
    EXPECT_TRUE(package.inactivePicture.pixels.empty());
    ASSERT_GE(data.ActivePictures().size(), 6u);
    EXPECT_EQ(data.ActivePicture(4)->size(), (gfx::Size{652, 427}));
    EXPECT_EQ(data.FormInfo().MDIBGPictureIndex, 5);
    EXPECT_EQ(package.lines.front(), "[VERSION]");
}

TEST_F(DefaultSkin, FrameGeometryAfterCorrections) {
    const TspDataSkinFormInfo& f = data.FormInfo();
    EXPECT_EQ(f.LeftTopPoint, (gfx::Point{10, 33}));
    EXPECT_EQ(f.RightTopPoint, (gfx::Point{209, 33}));
    EXPECT_EQ(f.LeftBottomPoint, (gfx::Point{10, 159}));
    EXPECT_EQ(f.RightBottomPoint, (gfx::Point{212, 158}));
    EXPECT_EQ(f.ClientRect, (gfx::Rect{6, 33, 218, 163}));
    EXPECT_EQ(f.CaptionRect, (gfx::Rect{7, 1, 217, 31}));
    EXPECT_EQ(f.MaskRectArea, (gfx::Rect{5, 5, 219, 164}));
    EXPECT_EQ(f.HitTestLeftTopPoint, (gfx::Point{6, 7}));
    EXPECT_EQ(f.HitTestRightBottomPoint, (gfx::Point{218, 162}));
    EXPECT_EQ(f.BorderWidth, 5);
    EXPECT_EQ(f.FormMinWidth, 200);
    EXPECT_TRUE(f.ButtonsRect.empty());
}

TEST_F(DefaultSkin, RecordListsInTheirOrder) {
    EXPECT_EQ(data.Objects().size(), 11u);
    EXPECT_EQ(data.Controls().size(), 64u);
    EXPECT_EQ(data.FindObject("menuitem"), 0);
    EXPECT_EQ(data.FindObject("caption"), 1);
    EXPECT_EQ(data.FindControl("button"), 0);
    EXPECT_EQ(data.FindControl("BUTTON"), -1);
    EXPECT_EQ(data.FindControl("vupdown"), 26);
    EXPECT_EQ(data.FindControl("hupdown"), 27);
    EXPECT_EQ(data.Controls()[26]->SkinRect, (gfx::Rect{202, 173, 217, 204}));
    EXPECT_EQ(data.Controls()[26]->PictureIndex, 4);
    EXPECT_EQ(data.SkinColors().c3DLight, 0u);
    EXPECT_EQ(data.SkinColors().c3DDkShadow, 0u);
}

TEST(DefaultSkinSource, PassesTheSkinCheck) {
    const skinpack::CheckReport report = skinpack::CheckSkin(kDefinition);
    for (const std::string& problem : report.problems) ADD_FAILURE() << problem;
    EXPECT_GE(report.recordsChecked, 75);
}

TEST(DefaultSkinSource, EmbeddedStreamIsTheBuiltDefinition) {
    TspCompressedStoredSkin built;
    built.LoadFromSkinFile(kDefinition);
    EXPECT_EQ(InflateSkin(built.Data()), InflateSkin(DefaultSkinData()));
}

}  // namespace
}  // namespace skin
