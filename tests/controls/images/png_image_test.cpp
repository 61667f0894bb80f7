#include "controls/images/png_image.h"

#include <gtest/gtest.h>

#include "png_builder.h"

namespace {

using codectest::PngBuilder;
using controls::TspPngImage;
using gfx::MakePixel;
using gfx::PixelA;

constexpr int kGrey = 0;
constexpr int kRgb = 2;
constexpr int kPalette = 3;
constexpr int kGreyAlpha = 4;
constexpr int kRgba = 6;

TspPngImage Load(const std::vector<std::uint8_t>& stream) {
    TspPngImage image;
    image.LoadFromStream(stream);
    return image;
}

// The alphas of the disabled copy, left to right along the first row.
std::vector<int> DisabledAlphas(const TspPngImage& image) {
    std::vector<int> alphas;
    for (int x = 0; x < image.Width(); ++x) alphas.push_back(PixelA(image.DisabledPixels().at(x, 0)));
    return alphas;
}

TEST(DisabledPicture, StoredAlphaIsHalvedWithHalvesToEvenAndColoursStay) {
    const auto image = Load(PngBuilder(5, 1, 8, kRgba)
                                .ImageData({0, 9, 8, 7, 255, 9, 8, 7, 1, 9, 8, 7, 3, 9, 8, 7, 5, 9, 8, 7, 0})
                                .Finish());
    EXPECT_EQ(DisabledAlphas(image), (std::vector<int>{128, 0, 2, 2, 0}));
    EXPECT_EQ(image.DisabledPixels().at(0, 0), MakePixel(9, 8, 7, 128));
    const auto grey = Load(PngBuilder(1, 1, 8, kGreyAlpha).ImageData({0, 40, 255}).Finish());
    EXPECT_EQ(DisabledAlphas(grey), (std::vector<int>{128}));
}

TEST(DisabledPicture, TrueColourWithoutAlphaGetsOpaqueThenHalvedAndItsTransparentColourVanishes) {
    const auto plain = Load(PngBuilder(1, 1, 8, kRgb).ImageData({0, 1, 2, 3}).Finish());
    EXPECT_EQ(DisabledAlphas(plain), (std::vector<int>{128}));
    const auto keyed =
        Load(PngBuilder(2, 1, 8, kRgb).Chunk("tRNS", {0, 1, 0, 2, 0, 3}).ImageData({0, 1, 2, 3, 4, 5, 6}).Finish());
    EXPECT_EQ(DisabledAlphas(keyed), (std::vector<int>{0, 128}));
}

TEST(DisabledPicture, GreyAndPaletteWithoutStoredAlphaGet127AndTheirTransparentColourZero) {
    const auto grey = Load(PngBuilder(2, 1, 8, kGrey).Chunk("tRNS", {0, 50}).ImageData({0, 50, 51}).Finish());
    EXPECT_EQ(DisabledAlphas(grey), (std::vector<int>{0, 127}));
    const auto palette = Load(PngBuilder(3, 1, 8, kPalette)
                                  .Chunk("PLTE", {255, 0, 0, 0, 255, 0, 0, 0, 255})
                                  .Chunk("tRNS", {0, 101})
                                  .ImageData({0, 0, 1, 2})
                                  .Finish());
    // A palette alpha between the extremes is a stored alpha and is halved like one.
    EXPECT_EQ(DisabledAlphas(palette), (std::vector<int>{0, 50, 127}));
    EXPECT_EQ(palette.DisabledPixels().at(2, 0), MakePixel(0, 0, 255, 127));
}

TEST(PngImageStream, ADamagedStreamRaisesAndLeavesThePictureAsItWas) {
    const auto good = PngBuilder(1, 1, 8, kRgb).ImageData({0, 1, 2, 3}).Finish();
    TspPngImage image;
    image.LoadFromStream(good);
    auto damaged = PngBuilder(2, 2, 8, kRgb).ImageData({0, 1, 2, 3, 4, 5, 6}).Finish();
    EXPECT_THROW(image.LoadFromStream(damaged), gfx::ImageError);
    EXPECT_EQ(image.SaveToStream(), good);
    EXPECT_EQ(image.Pixels().at(0, 0), MakePixel(1, 2, 3));
    EXPECT_THROW(image.LoadFromStream({}), gfx::ImageError);
    EXPECT_EQ(image.Width(), 1);
}

TEST(PngImageDraw, BlendsOverWhatIsBehindAndScalesToTheTarget) {
    const auto image = Load(PngBuilder(2, 1, 8, kRgba).ImageData({0, 255, 0, 0, 255, 0, 0, 255, 0}).Finish());
    gfx::Bitmap target(6, 2, MakePixel(255, 255, 255));
    gfx::Painter painter(target);
    image.Draw(painter, gfx::Rect{0, 0, 2, 1}, true);
    EXPECT_EQ(target.at(0, 0), MakePixel(255, 0, 0));
    EXPECT_EQ(target.at(1, 0), MakePixel(255, 255, 255)) << "a transparent pixel leaves the target";
    image.Draw(painter, gfx::Rect{2, 0, 6, 2}, true);
    EXPECT_EQ(target.at(3, 1), MakePixel(255, 0, 0));
    EXPECT_EQ(target.at(4, 1), MakePixel(255, 255, 255));
    image.Draw(painter, gfx::Rect{0, 1, 2, 2}, false);
    EXPECT_EQ(target.at(0, 1), MakePixel(255, 127, 127)) << "half opacity over white";
}

}  // namespace
