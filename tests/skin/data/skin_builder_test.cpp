#include "skin/package/skin_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "package_fixtures.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/package/skin_package.h"
#include "skin/package/skn_file.h"
#include "temp_folder.h"

namespace skin {
namespace {

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A definition with the five required sections, written with LF line ends and a comment,
// beside a frame picture, a mask and two active pictures.
class SkinBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBinaryFile(dir.path() / "main.bmp", testfixtures::Bmp24(20, 10));
        WriteBinaryFile(dir.path() / "mask.bmp", testfixtures::Bmp1(20, 10));
        std::vector<std::uint8_t> padded = testfixtures::Bmp24(4, 4);
        padded.insert(padded.end(), {0xEE, 0xEE, 0xEE});  // bytes after the image are not packed
        WriteBinaryFile(dir.path() / "a.bmp", padded);
        WriteBinaryFile(dir.path() / "b.bmp", testfixtures::Bmp1(9, 3));
        WriteText(definition(), text);
    }

    [[nodiscard]] std::filesystem::path definition() const { return dir.path() / "Skin.ini"; }

    testfixtures::TempFolder dir;
    std::string text =
        "; our skin\n[VERSION]\nskinname=Test\n[PICTURES]\npicture=main.bmp\nmask=mask.bmp\n"
        "activepicturescount=2\n0=a.bmp\n1=b.bmp\n[FORMINFO]\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0";
};

TEST_F(SkinBuilderTest, WritesVersionTwoWithAllFiveSlotsAndCrLfLines) {
    const std::vector<std::uint8_t> bytes = BuildSkinPackage(definition());
    const SkinPackage p = ReadSkinPackage(bytes);
    EXPECT_EQ(p.version, 2);
    EXPECT_EQ(p.picture.pixels.size(), (gfx::Size{20, 10}));
    EXPECT_TRUE(p.inactivePicture.pixels.empty());
    EXPECT_EQ(p.mask.bitsPerPixel, 1);
    EXPECT_TRUE(p.rollUpPicture.pixels.empty());
    EXPECT_TRUE(p.rollUpMask.pixels.empty());
    ASSERT_EQ(p.activePictures.size(), 2u);
    EXPECT_EQ(p.activePictures[0].pixels.size(), (gfx::Size{4, 4}));
    EXPECT_EQ(p.activePictures[1].pixels.size(), (gfx::Size{9, 3}));
    EXPECT_EQ(p.lines.front(), "; our skin");
    EXPECT_EQ(p.lines.back(), "count=0");
    const std::string tail(bytes.end() - 9, bytes.end());
    EXPECT_EQ(tail, "count=0\r\n");
    // The package holds the images exactly, without the padding of a.bmp.
    const std::vector<std::uint8_t> a = testfixtures::Bmp24(4, 4);
    const std::vector<std::uint8_t> b = testfixtures::Bmp1(9, 3);
    const auto at = std::search(bytes.begin(), bytes.end(), a.begin(), a.end());
    ASSERT_NE(at, bytes.end());
    EXPECT_TRUE(std::equal(b.begin(), b.end(), at + static_cast<std::ptrdiff_t>(a.size())));
}

TEST_F(SkinBuilderTest, CompressedFormInflatesToThePackage) {
    const std::vector<std::uint8_t> stream = BuildCompressedSkin(definition());
    EXPECT_EQ(stream[0], 0x78);
    EXPECT_EQ(stream[1], 0xDA);
    EXPECT_TRUE(std::ranges::equal(InflateSkin(stream), BuildSkinPackage(definition())));
}

TEST_F(SkinBuilderTest, EachMissingRequiredSectionIsNamedAndChangesNothing) {
    for (const std::string section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
        std::string changed = text;
        changed.replace(changed.find("[" + section + "]"), section.size() + 2, "[OTHER" + section + "]");
        WriteText(definition(), changed);
        TspCompressedStoredSkin stored;
        const std::vector<std::uint8_t> before = {1, 2, 3};
        stored.SetData(before);
        try {
            stored.LoadFromSkinFile(definition());
            ADD_FAILURE() << "built without [" << section << "]";
        } catch (const SkinBuildError& e) {
            EXPECT_NE(std::string(e.what()).find("[" + section + "]"), std::string::npos) << e.what();
        }
        EXPECT_EQ(std::vector<std::uint8_t>(stored.Data().begin(), stored.Data().end()), before);
        EXPECT_TRUE(stored.FileName.empty());
    }
}

TEST_F(SkinBuilderTest, MissingOrDamagedBitmapIsAnErrorNamingTheFile) {
    std::filesystem::remove(dir.path() / "b.bmp");
    try {
        (void)BuildSkinPackage(definition());
        FAIL() << "built without b.bmp";
    } catch (const SkinBuildError& e) {
        EXPECT_NE(std::string(e.what()).find("b.bmp"), std::string::npos) << e.what();
    }
    WriteText(dir.path() / "b.bmp", "not a bitmap");
    EXPECT_THROW((void)BuildSkinPackage(definition()), SkinBuildError);
}

TEST_F(SkinBuilderTest, StoredSkinKeepsOnlyTheDefinitionName) {
    TspCompressedStoredSkin stored;
    stored.LoadFromSkinFile(definition());
    EXPECT_EQ(stored.FileName, "Skin.ini");
    EXPECT_TRUE(std::ranges::equal(InflateSkin(stored.Data()), BuildSkinPackage(definition())));
}

}  // namespace
}  // namespace skin
