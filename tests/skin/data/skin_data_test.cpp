#include "skin/skin_data.h"

#include <gtest/gtest.h>

#include <memory>

#include "skin/definition/ini_file.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/package/skin_list.h"
#include "skin/resource_str_data.h"
#include "skin_fixture.h"

namespace skin {
namespace {

using testfixtures::SmallSkin;

TEST(SkinDataState, StartsEmptyWithSystemColoursAndDefaults) {
    const TspSkinData data;
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_FALSE(data.IsLoading());
    EXPECT_TRUE(data.SkinnableForm());
    EXPECT_TRUE(data.EnableSkinEffects);
    EXPECT_EQ(data.SkinIndex(), 0);
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(data.SkinColors(), TspDataSkinColors::SystemColors());
    EXPECT_EQ(data.SkinColors().cBtnFace, gfx::clBtnFace);
    EXPECT_EQ(data.FindControl("button"), -1);
    EXPECT_EQ(data.ActivePicture(0), nullptr);
}

TEST(SkinDataLoad, ReadsBitmapsAndDefinition) {
    TspSkinData data;
    data.LoadCompressedStream(SmallSkin());
    EXPECT_FALSE(data.IsEmpty());
    EXPECT_FALSE(data.IsLoading());
    EXPECT_EQ(data.Picture().size(), (gfx::Size{30, 20}));
    EXPECT_TRUE(data.InactivePicture().empty());
    EXPECT_EQ(data.Mask().size(), (gfx::Size{30, 20}));
    ASSERT_EQ(data.ActivePictures().size(), 2u);
    EXPECT_EQ(data.ActivePicture(1)->size(), (gfx::Size{40, 31}));
    EXPECT_EQ(data.ActivePicture(-1), nullptr);
    EXPECT_EQ(data.ActivePicture(2), nullptr);
    EXPECT_EQ(data.Definition().SkinName, "Small");
    EXPECT_EQ(data.Definition().ActivePictureNames, (std::vector<std::string>{"active.bmp", "controls.bmp"}));
    EXPECT_EQ(data.FormInfo().ClientRect, (gfx::Rect{3, 10, 27, 17}));
    // Colours a loaded skin does not name are black, not system colours.
    EXPECT_EQ(data.SkinColors().cBtnFace, 255u);
    EXPECT_EQ(data.SkinColors().cBtnText, 0u);
}

TEST(SkinDataLoad, LookupsAreExactAndSkipUnknownKinds) {
    TspSkinData data;
    data.LoadCompressedStream(SmallSkin());
    ASSERT_EQ(data.Controls().size(), 2u);
    EXPECT_EQ(data.FindControl("button"), 0);
    EXPECT_EQ(data.FindControl("BUTTON"), -1);
    EXPECT_EQ(data.FindControl("vupdown"), 1);
    EXPECT_EQ(data.FindControl("odd"), -1);
    EXPECT_EQ(data.FindObject("closebutton"), 1);
    EXPECT_EQ(data.FindObject("Caption"), -1);
    EXPECT_EQ(data.FindArea("anything"), -1);
    EXPECT_EQ(data.Controls()[0]->SkinRect, (gfx::Rect{0, 0, 20, 21}));
}

TEST(SkinDataLoad, ANewLoadReplacesEverythingOfTheOldSkin) {
    TspSkinData data;
    data.LoadCompressedStream(SmallSkin("First"));
    std::vector<std::string> lines = {"[VERSION]", "skinname=Second"};
    data.LoadCompressedStream(DeflateSkin(testfixtures::SmallPackage(lines)));
    EXPECT_FALSE(data.IsEmpty());
    EXPECT_EQ(data.Definition().SkinName, "Second");
    EXPECT_TRUE(data.Controls().empty());
    EXPECT_TRUE(data.Objects().empty());
    EXPECT_EQ(data.FormInfo().ClientRect, gfx::Rect{});
}

TEST(SkinDataLoad, VersionZeroPackageLoadsPictureMaskAndText) {
    PackageWriter w(0);
    w.Slot(testfixtures::Bmp24(8, 6));
    w.Slot(testfixtures::Bmp1(8, 6));
    w.PictureCount(0);
    w.Lines({"[VERSION]", "skinname=Old"});
    TspSkinData data;
    data.LoadCompressedStream(DeflateSkin(w.Take()));
    EXPECT_EQ(data.Picture().size(), (gfx::Size{8, 6}));
    EXPECT_EQ(data.Mask().size(), (gfx::Size{8, 6}));
    EXPECT_TRUE(data.ActivePictures().empty());
    EXPECT_EQ(data.Definition().SkinName, "Old");
}

TEST(SkinDataLoad, AnEmptyStreamKeepsTheCurrentSkin) {
    TspSkinData data;
    data.LoadCompressedStream(SmallSkin());
    data.LoadCompressedStream({});
    EXPECT_FALSE(data.IsEmpty());
    EXPECT_EQ(data.FindControl("button"), 0);
}

TEST(SkinDataFailure, DamagedStreamRestoresTheEmptyState) {
    TspSkinData data;
    data.LoadCompressedStream(SmallSkin());
    std::vector<std::uint8_t> damaged = SmallSkin();
    damaged[damaged.size() / 2] ^= 0xFF;
    damaged[damaged.size() / 2 + 1] ^= 0xFF;
    EXPECT_THROW(data.LoadCompressedStream(damaged), SkinPackageError);
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_FALSE(data.IsLoading());
    EXPECT_TRUE(data.Picture().empty());
    EXPECT_TRUE(data.ActivePictures().empty());
    EXPECT_EQ(data.FindControl("button"), -1);
    EXPECT_EQ(data.SkinColors(), TspDataSkinColors::SystemColors());
}

TEST(SkinDataFailure, BadDefinitionValueRestoresTheEmptyStateToo) {
    std::vector<std::string> lines = testfixtures::SmallDefinition("Bad");
    for (std::string& line : lines) {
        if (line == "skinrect=0,0,20,21") line = "skinrect=0,0,,21";
    }
    TspSkinData data;
    EXPECT_THROW(data.LoadCompressedStream(DeflateSkin(testfixtures::SmallPackage(lines))), SkinFormatError);
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_FALSE(data.IsLoading());
    EXPECT_TRUE(data.Definition().SkinName.empty());
    EXPECT_TRUE(data.Objects().empty());
}

TEST(SkinDataFailure, NewerVersionStaysEmptyAndLoading) {
    PackageWriter w(4);
    w.Slot({});
    w.Slot({});
    w.PictureCount(0);
    TspSkinData data;
    data.LoadCompressedStream(SmallSkin());
    EXPECT_THROW(data.LoadCompressedStream(DeflateSkin(w.Take())), SkinVersionError);
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_TRUE(data.IsLoading());
    EXPECT_TRUE(data.Picture().empty());
    EXPECT_EQ(data.FindControl("button"), -1);
}

TEST(SkinDataFailure, TruncatedPackageAtEveryByteNeverLeavesAHalfSkin) {
    const std::vector<std::uint8_t> package = testfixtures::SmallPackage(testfixtures::SmallDefinition("Cut"));
    std::size_t loaded = 0;
    for (std::size_t n = 0; n <= package.size(); ++n) {
        TspSkinData data;
        try {
            data.LoadCompressedStream(DeflateSkin(std::span(package.data(), n), 1));
            ++loaded;
            EXPECT_FALSE(data.IsEmpty()) << n;
        } catch (const SkinPackageError&) {
            EXPECT_TRUE(data.IsEmpty()) << n;
            EXPECT_FALSE(data.IsLoading()) << n;
            EXPECT_TRUE(data.ActivePictures().empty()) << n;
        } catch (const SkinFormatError&) {
            // A cut inside a value ("skinrect=0,0,2") is a format error.
            EXPECT_TRUE(data.IsEmpty()) << n;
        }
    }
    // Only cuts inside the definition text still load.
    EXPECT_GT(loaded, 0u);
    EXPECT_LT(loaded, package.size() / 2);
}

TEST(SkinDataReferences, AssigningAStoredSkinLoadsIt) {
    TspCompressedStoredSkin stored;
    stored.SetData(SmallSkin());
    TspSkinData data;
    data.SetCompressedStoredSkin(&stored);
    EXPECT_EQ(data.CompressedStoredSkin(), &stored);
    EXPECT_FALSE(data.IsEmpty());
}

TEST(SkinDataReferences, DestroyingTheStoredSkinKeepsTheLoadedSkin) {
    TspSkinData data;
    {
        TspCompressedStoredSkin stored;
        stored.SetData(SmallSkin());
        data.SetCompressedStoredSkin(&stored);
    }
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
    EXPECT_FALSE(data.IsEmpty());
    EXPECT_EQ(data.Picture().size(), (gfx::Size{30, 20}));
    EXPECT_EQ(data.FindControl("vupdown"), 1);
}

TEST(SkinDataReferences, DestroyingStringsOrListClearsOnlyThatReference) {
    TspSkinData data;
    auto strings = std::make_unique<TspResourceStrData>();
    auto list = std::make_unique<TspCompressedSkinList>();
    list->Add().Skin.SetData(SmallSkin("Listed"));
    data.SetResourceStrData(strings.get());
    data.SetSkinList(list.get());
    EXPECT_EQ(data.Definition().SkinName, "Listed");
    strings.reset();
    EXPECT_EQ(data.ResourceStrData(), nullptr);
    EXPECT_EQ(data.SkinList(), list.get());
    list.reset();
    EXPECT_EQ(data.SkinList(), nullptr);
    EXPECT_EQ(data.Definition().SkinName, "Listed");
}

TEST(SkinDataReferences, ReplacedReferenceIsNoLongerWatched) {
    TspSkinData data;
    TspCompressedStoredSkin second;
    {
        TspCompressedStoredSkin first;
        data.SetCompressedStoredSkin(&first);
        data.SetCompressedStoredSkin(&second);
    }
    EXPECT_EQ(data.CompressedStoredSkin(), &second);
}

class SkinListIndex : public ::testing::Test {
protected:
    void SetUp() override {
        list.Add().Skin.SetData(SmallSkin("Zero"));
        list.Add().Skin.SetData(SmallSkin("One"));
    }
    TspCompressedSkinList list;
    TspSkinData data;
};

TEST_F(SkinListIndex, AssigningTheListLoadsTheCurrentIndex) {
    data.SetSkinList(&list);
    EXPECT_EQ(data.Definition().SkinName, "Zero");
    data.SetSkinIndex(1);
    EXPECT_EQ(data.SkinIndex(), 1);
    EXPECT_EQ(data.Definition().SkinName, "One");
}

TEST_F(SkinListIndex, IndicesOutsideTheListAreIgnored) {
    data.SetSkinList(&list);
    data.SetSkinIndex(-1);
    EXPECT_EQ(data.SkinIndex(), 0);
    data.SetSkinIndex(list.Count());
    EXPECT_EQ(data.SkinIndex(), 0);
    EXPECT_EQ(data.Definition().SkinName, "Zero");
}

TEST_F(SkinListIndex, WithoutAListTheIndexIsStoredAndNothingLoads) {
    data.SetSkinIndex(5);
    EXPECT_EQ(data.SkinIndex(), 5);
    EXPECT_TRUE(data.IsEmpty());
    data.SetSkinList(&list);  // index 5 is not in the list
    EXPECT_TRUE(data.IsEmpty());
    data.SetSkinIndex(1);
    EXPECT_EQ(data.Definition().SkinName, "One");
}

}  // namespace
}  // namespace skin
