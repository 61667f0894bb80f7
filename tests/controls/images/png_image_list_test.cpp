#include "controls/images/png_image_list.h"

#include <gtest/gtest.h>

#include "png_builder.h"

namespace {

using codectest::PngBuilder;
using controls::StoredPngImage;
using controls::TspPngImageList;
using gfx::MakePixel;

// A 2 x 2 opaque picture of one colour.
std::vector<std::uint8_t> Square(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return PngBuilder(2, 2, 8, 2).ImageData({0, r, g, b, r, g, b, 0, r, g, b, r, g, b}).Finish();
}

class PngImageListTest : public ::testing::Test {
protected:
    PngImageListTest() {
        list.Name = "spPngImageList1";
        list.SetPngWidth(2);
        list.SetPngHeight(2);
        list.PngImages().Add().LoadFromStream(red);
        list.PngImages().Add().LoadFromStream(green);
    }
    const std::vector<std::uint8_t> red = Square(255, 0, 0);
    const std::vector<std::uint8_t> green = Square(0, 255, 0);
    TspPngImageList list;
};

TEST_F(PngImageListTest, ItemsAreNamedAfterTheirIndexAndRenumberedWhenOneGoes) {
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.PngImages()[1].Name, "PngImage1");
    list.PngImages().Delete(0);
    list.PngImages().Delete(5);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.PngImages()[0].Index(), 0);
    EXPECT_EQ(list.PngImages()[0].PngImage().SaveToStream(), green);
    EXPECT_EQ(list.PngImages().Add().Name, "PngImage1");
    list.PngImages()[0].Name.clear();
    EXPECT_EQ(list.PngImages()[0].DisplayName(), "TspPngImageItem");
}

TEST_F(PngImageListTest, AssigningAnItemCopiesItsPictureAndName) {
    auto& copy = list.PngImages().Add();
    copy.Assign(list.PngImages()[0]);
    EXPECT_EQ(copy.Name, "PngImage0");
    EXPECT_EQ(copy.PngImage(), list.PngImages()[0].PngImage());
    EXPECT_EQ(copy.Index(), 2);
}

TEST_F(PngImageListTest, DrawsOnlyPicturesThatExistEnabledOrFaded) {
    gfx::Bitmap target(8, 2, MakePixel(255, 255, 255));
    gfx::Painter painter(target);
    list.Draw(painter, -1, 0, 0, true);
    list.Draw(painter, 2, 0, 0, true);
    EXPECT_EQ(target, gfx::Bitmap(8, 2, MakePixel(255, 255, 255)));
    list.Draw(painter, 1, 2, 0, true);
    list.Draw(painter, 0, 5, 0, false);
    EXPECT_EQ(target.at(1, 1), MakePixel(255, 255, 255));
    EXPECT_EQ(target.at(3, 1), MakePixel(0, 255, 0));
    EXPECT_EQ(target.at(4, 1), MakePixel(255, 255, 255));
    EXPECT_EQ(target.at(6, 1), MakePixel(255, 127, 127));
}

TEST_F(PngImageListTest, ChangingTheSizeEmptiesTheListButSettingTheSameSizeDoesNot) {
    list.SetPngWidth(2);
    list.SetPngHeight(2);
    EXPECT_EQ(list.Count(), 2);
    list.SetPngWidth(3);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.PngWidth(), 3);
    list.PngImages().Add();
    list.SetPngHeight(5);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Height(), 5);
}

TEST_F(PngImageListTest, LoadingStoredPicturesReplacesSizeAndItemsWithoutEmptyingOnTheWay) {
    const std::vector<std::uint8_t> blue = Square(0, 0, 255);
    const StoredPngImage stored[] = {{"blue", blue}, {"red", red}, {"green", green}};
    list.LoadStored(96, 96, stored);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.PngWidth(), 96);
    EXPECT_EQ(list.PngHeight(), 96);
    EXPECT_EQ(list.PngImages()[0].Name, "blue");
    EXPECT_EQ(list.PngImages()[2].Index(), 2);
    EXPECT_EQ(list.PngImages()[2].PngImage().SaveToStream(), green);
}

TEST_F(PngImageListTest, ADamagedStoredPictureNamesListAndItemAndLeavesTheListAsItWas) {
    auto damaged = Square(1, 2, 3);
    damaged[45] ^= 0xFF;  // inside the image data: the checksum no longer matches
    const StoredPngImage stored[] = {{"beer", red}, {"wine", damaged}};
    try {
        list.LoadStored(96, 96, stored);
        FAIL() << "a damaged picture was accepted";
    } catch (const gfx::ImageError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("spPngImageList1"), std::string::npos) << message;
        EXPECT_NE(message.find("picture 1 'wine'"), std::string::npos) << message;
    }
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.PngWidth(), 2);
    EXPECT_EQ(list.PngImages()[0].PngImage().SaveToStream(), red);
}

TEST_F(PngImageListTest, ADamagedStreamForOneItemNamesItAndKeepsItsPicture) {
    auto& item = list.PngImages()[1];
    item.Name = "herring";
    try {
        item.LoadFromStream(std::vector<std::uint8_t>(red.begin(), red.begin() + 40));
        FAIL() << "a truncated picture was accepted";
    } catch (const gfx::ImageError& e) {
        EXPECT_NE(std::string(e.what()).find("'spPngImageList1': the picture 1 'herring'"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(item.PngImage().SaveToStream(), green);
}

TEST_F(PngImageListTest, ChangeLinksHearEveryChangeUntilRemoved) {
    int heard = 0;
    const int key = list.AddChangeLink([&] { ++heard; });
    list.PngImages()[0].SetPngImage(list.PngImages()[1].PngImage());
    list.PngImages().Add();
    list.PngImages().Delete(2);
    list.SetPngWidth(4);
    EXPECT_EQ(heard, 4);
    list.RemoveChangeLink(key);
    list.SetPngWidth(5);
    EXPECT_EQ(heard, 4);
}

}  // namespace
