#include "controls/images/game_pictures.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "gfx/png.h"

namespace {

using controls::StoredPngImage;
using controls::TspPngImageList;

const std::filesystem::path kPictures = std::filesystem::path(BURDOMIR_SOURCE_DIR) / "assets" / "pictures";

// Every committed picture in list order, with the size its list draws it at.
struct Picture {
    std::string file;
    gfx::Size size;
};

std::vector<Picture> AllPictures() {
    std::vector<Picture> pictures;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(kPictures)) {
        if (entry.path().extension() == ".svg") files.push_back(entry.path().stem());
    }
    std::sort(files.begin(), files.end());
    for (std::size_t i = 0; i < files.size(); ++i) {
        pictures.push_back({files[i].string(), i < 12 ? controls::kGamePictureSize : controls::kPortraitSize});
    }
    return pictures;
}

TEST(GamePictures, ThereAreTwelveListPicturesAndOnePortraitEachWithSvgAndPng) {
    const auto pictures = AllPictures();
    ASSERT_EQ(pictures.size(), 13u);
    EXPECT_EQ(pictures.back().file, "12-drunkard");
    for (const auto& picture : pictures) {
        EXPECT_TRUE(std::filesystem::exists(kPictures / (picture.file + ".png"))) << picture.file;
    }
}

TEST(GamePictures, EachHasItsListSizeAndTransparentCornersAndSomethingDrawn) {
    for (const auto& picture : AllPictures()) {
        SCOPED_TRACE(picture.file);
        const gfx::Bitmap image = gfx::LoadPngFile((kPictures / (picture.file + ".png")).string());
        ASSERT_EQ(image.size(), picture.size);
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const gfx::Point corner : {gfx::Point{0, 0}, {right, 0}, {0, bottom}, {right, bottom}}) {
            EXPECT_EQ(gfx::PixelA(image.at(corner.x, corner.y)), 0) << corner.x << "," << corner.y;
        }
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) opaque += gfx::PixelA(image.at(x, y)) == 255;
        }
        EXPECT_GT(opaque, image.width() * image.height() / 5) << "a picture, not a sketch";
    }
}

TEST(GamePictures, TheEmbeddedListsHoldTheCommittedPicturesInOrder) {
    TspPngImageList goods;
    controls::LoadGamePictures(goods);
    TspPngImageList portrait;
    controls::LoadPortraitPicture(portrait);
    ASSERT_EQ(goods.Count(), 12);
    ASSERT_EQ(portrait.Count(), 1);
    EXPECT_EQ(goods.PngWidth(), 96);
    EXPECT_EQ(goods.PngHeight(), 96);
    EXPECT_EQ(portrait.PngWidth(), 128);
    EXPECT_EQ(portrait.PngHeight(), 146);
    EXPECT_EQ(goods.PngImages()[0].Name, "beer");
    EXPECT_EQ(goods.PngImages()[11].Name, "shop-assistant");
    EXPECT_EQ(portrait.PngImages()[0].Name, "drunkard");
    const auto pictures = AllPictures();
    for (int i = 0; i < 13; ++i) {
        const auto& item = i < 12 ? goods.PngImages()[i] : portrait.PngImages()[0];
        EXPECT_EQ(item.PngImage().Pixels(),
                  gfx::LoadPngFile((kPictures / (pictures[static_cast<std::size_t>(i)].file + ".png")).string()))
            << pictures[static_cast<std::size_t>(i)].file;
    }
}

#ifdef BURDOMIR_RSVG_CONVERT
TEST(GamePictures, EachCommittedPngIsWhatItsSvgRendersTo) {
    const auto folder = std::filesystem::temp_directory_path() / ("burdomir-pictures-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (const auto& picture : AllPictures()) {
        SCOPED_TRACE(picture.file);
        const auto rendered = folder / (picture.file + ".png");
        const std::string command = std::string(BURDOMIR_RSVG_CONVERT) + " --format=png --output='" +
                                    rendered.string() + "' '" + (kPictures / (picture.file + ".svg")).string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        EXPECT_EQ(gfx::LoadPngFile(rendered.string()), gfx::LoadPngFile((kPictures / (picture.file + ".png")).string()))
            << "run tools/pictures/render.sh after changing a picture";
    }
    std::filesystem::remove_all(folder);
}
#endif

}  // namespace
