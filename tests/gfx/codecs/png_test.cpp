#include "gfx/png.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "png_builder.h"

namespace {

using codectest::PngBuilder;
using gfx::Bitmap;
using gfx::ImageError;
using gfx::MakePixel;

constexpr int kGrey = 0;
constexpr int kRgb = 2;
constexpr int kPalette = 3;
constexpr int kGreyAlpha = 4;
constexpr int kRgba = 6;

Bitmap Decode(const std::vector<std::uint8_t>& file) { return gfx::ReadPng(file); }

// The message of the ImageError that decoding throws, or "" when it decodes.
std::string DecodeError(const std::vector<std::uint8_t>& file) {
    try {
        (void)gfx::ReadPng(file);
    } catch (const ImageError& e) {
        return e.what();
    }
    return "";
}

std::vector<std::uint8_t> SmallRgbaFile() {
    return PngBuilder(2, 1, 8, kRgba).ImageData({0, 10, 20, 30, 40, 50, 60, 70, 80}).Finish();
}

TEST(PngRoundTrip, KeepsEveryPixelAndItsAlpha) {
    Bitmap image(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) image.set(x, y, MakePixel(x * 50, y * 100, 255 - x * 7, x * 60 + y));
    }
    EXPECT_EQ(Decode(gfx::WritePng(image)), image);
}

TEST(PngRoundTrip, ThroughAFile) {
    Bitmap image(4, 4, MakePixel(1, 2, 3, 4));
    image.set(3, 0, MakePixel(250, 0, 0));
    const std::string path =
        (std::filesystem::temp_directory_path() / ("burdomir_png_roundtrip-" + std::to_string(::getpid()) + ".png"))
            .string();
    gfx::SavePngFile(image, path);
    EXPECT_EQ(gfx::LoadPngFile(path), image);
    std::filesystem::remove(path);
}

TEST(PngRoundTrip, AnEmptyImageIsRefused) { EXPECT_THROW((void)gfx::WritePng(Bitmap()), ImageError); }

TEST(PngDecode, RgbaKeepsStraightAlpha) {
    const Bitmap image = Decode(SmallRgbaFile());
    ASSERT_EQ(image.size(), (gfx::Size{2, 1}));
    EXPECT_EQ(image.at(0, 0), MakePixel(10, 20, 30, 40));
    EXPECT_EQ(image.at(1, 0), MakePixel(50, 60, 70, 80));
}

TEST(PngDecode, GreyWithAlphaBecomesGreyColour) {
    const Bitmap image = Decode(PngBuilder(2, 1, 8, kGreyAlpha).ImageData({0, 200, 128, 7, 255}).Finish());
    EXPECT_EQ(image.at(0, 0), MakePixel(200, 200, 200, 128));
    EXPECT_EQ(image.at(1, 0), MakePixel(7, 7, 7, 255));
}

TEST(PngDecode, OneBitGreyIsStretchedToFullRange) {
    const Bitmap image = Decode(PngBuilder(3, 1, 1, kGrey).ImageData({0, 0b10100000}).Finish());
    EXPECT_EQ(image.at(0, 0), MakePixel(255, 255, 255));
    EXPECT_EQ(image.at(1, 0), MakePixel(0, 0, 0));
    EXPECT_EQ(image.at(2, 0), MakePixel(255, 255, 255));
}

TEST(PngDecode, PaletteWithTransparencyChunk) {
    const Bitmap image = Decode(PngBuilder(4, 1, 2, kPalette)
                                    .Chunk("PLTE", {255, 0, 0, 0, 255, 0, 0, 0, 255})
                                    .Chunk("tRNS", {0, 100})
                                    .ImageData({0, 0b00011000})
                                    .Finish());
    EXPECT_EQ(image.at(0, 0), MakePixel(255, 0, 0, 0));
    EXPECT_EQ(image.at(1, 0), MakePixel(0, 255, 0, 100));
    EXPECT_EQ(image.at(2, 0), MakePixel(0, 0, 255, 255));
    EXPECT_EQ(image.at(3, 0), MakePixel(255, 0, 0, 0));
}

TEST(PngDecode, SixteenBitSamplesAreScaledToEightBits) {
    const Bitmap image =
        Decode(PngBuilder(1, 1, 16, kRgba).ImageData({0, 0xFF, 0xFF, 0x80, 0x80, 0x00, 0x00, 0x40, 0x40}).Finish());
    EXPECT_EQ(image.at(0, 0), MakePixel(255, 128, 0, 64));
}

TEST(PngDecode, SixteenBitRgbWithTransparentColour) {
    const Bitmap image = Decode(PngBuilder(2, 1, 16, kRgb)
                                    .Chunk("tRNS", {0x12, 0x34, 0x00, 0x00, 0xFF, 0xFF})
                                    .ImageData({0, 0x12, 0x34, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF})
                                    .Finish());
    EXPECT_EQ(gfx::PixelA(image.at(0, 0)), 0);
    EXPECT_EQ(image.at(1, 0), MakePixel(255, 0, 255, 255));
}

TEST(PngDecode, InterlacedImageIsReassembled) {
    // Adam7 passes of a 3 x 3 RGB image whose pixel (x, y) has red 10x + y.
    auto pixel = [](int x, int y) { return std::vector<std::uint8_t>{std::uint8_t(10 * x + y), 0, 0}; };
    std::vector<std::uint8_t> passes;
    auto row = [&](std::initializer_list<std::pair<int, int>> at) {
        passes.push_back(0);
        for (const auto& [x, y] : at) {
            const auto p = pixel(x, y);
            passes.insert(passes.end(), p.begin(), p.end());
        }
    };
    row({{0, 0}});                  // pass 1
    row({{2, 0}});                  // pass 4
    row({{0, 2}, {2, 2}});          // pass 5
    row({{1, 0}});                  // pass 6, row 0
    row({{1, 2}});                  // pass 6, row 2
    row({{0, 1}, {1, 1}, {2, 1}});  // pass 7
    const Bitmap image = Decode(PngBuilder(3, 3, 8, kRgb, 1).ImageData(passes).Finish());
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) EXPECT_EQ(image.at(x, y), MakePixel(10 * x + y, 0, 0)) << x << "," << y;
    }
}

TEST(PngDecode, PaletteIndexBeyondThePaletteGivesOpaqueBlack) {
    const auto file = PngBuilder(2, 1, 8, kPalette).Chunk("PLTE", {1, 2, 3, 4, 5, 6}).ImageData({0, 9, 1}).Finish();
    const Bitmap image = Decode(file);
    EXPECT_EQ(image.at(0, 0), MakePixel(0, 0, 0));
    EXPECT_EQ(image.at(1, 0), MakePixel(4, 5, 6));
}

TEST(PngHostile, WrongSignature) {
    auto file = SmallRgbaFile();
    file[1] = 'Q';
    EXPECT_NE(DecodeError(file).find("signature"), std::string::npos);
    EXPECT_NE(DecodeError({}).find("signature"), std::string::npos);
}

TEST(PngHostile, TruncatedAtEveryByteIsAnError) {
    const auto file = SmallRgbaFile();
    for (std::size_t size = 0; size < file.size(); ++size) {
        const std::vector<std::uint8_t> part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(DecodeError(part).empty()) << "cut at " << size;
    }
}

TEST(PngHostile, DamagedChecksumIsAnError) {
    auto file = SmallRgbaFile();
    file[20] ^= 0x01;  // inside the IHDR payload, so its CRC no longer matches
    EXPECT_NE(DecodeError(file).find("PNG: "), std::string::npos);
}

TEST(PngHostile, SidesBeyondTheLimitAreRefused) {
    EXPECT_FALSE(DecodeError(PngBuilder(20000, 1, 8, kRgb).ImageData({0, 0, 0, 0}).Finish()).empty());
    EXPECT_FALSE(DecodeError(PngBuilder(1, 0x7FFFFFFF, 8, kRgb).ImageData({0, 0, 0, 0}).Finish()).empty());
}

TEST(PngHostile, TooManyPixelsInAllAreRefusedBeforeDecoding) {
    const std::string error = DecodeError(PngBuilder(16384, 16384, 8, kRgb).ImageData({0}).Finish());
    EXPECT_NE(error.find("16384 x 16384"), std::string::npos) << error;
}

TEST(PngHostile, ZeroWidthAndBadBitDepthAreRefused) {
    EXPECT_FALSE(DecodeError(PngBuilder(0, 1, 8, kRgb).ImageData({0}).Finish()).empty());
    EXPECT_FALSE(DecodeError(PngBuilder(1, 1, 3, kRgb).ImageData({0, 0}).Finish()).empty());
}

TEST(PngHostile, SideLimitsHoldForFilesThatWouldOtherwiseDecode) {
    // One-bit grey rows are small, so whole files at and past the limit are cheap to make.
    auto wide = [](std::uint32_t width) {
        std::vector<std::uint8_t> row(1 + (width + 7) / 8, 0xFF);
        row[0] = 0;
        return PngBuilder(width, 1, 1, kGrey).ImageData(row).Finish();
    };
    auto tall = [](std::uint32_t height) {
        std::vector<std::uint8_t> rows;
        for (std::uint32_t y = 0; y < height; ++y) rows.insert(rows.end(), {0, 0x80});
        return PngBuilder(1, height, 1, kGrey).ImageData(rows).Finish();
    };
    EXPECT_EQ(Decode(wide(gfx::kMaxImageSide)).width(), gfx::kMaxImageSide);
    EXPECT_EQ(Decode(tall(gfx::kMaxImageSide)).height(), gfx::kMaxImageSide);
    EXPECT_NE(DecodeError(wide(gfx::kMaxImageSide + 1)).find("width exceeds user limit"), std::string::npos)
        << DecodeError(wide(gfx::kMaxImageSide + 1));
    EXPECT_NE(DecodeError(tall(gfx::kMaxImageSide + 1)).find("height exceeds user limit"), std::string::npos)
        << DecodeError(tall(gfx::kMaxImageSide + 1));
}

TEST(PngHostile, AnInvalidHeaderKeepsLibpngsSpecificReason) {
    const std::string colourType = DecodeError(PngBuilder(1, 1, 8, 5).ImageData({0, 0, 0}).Finish());
    EXPECT_NE(colourType.find("Invalid color type in IHDR"), std::string::npos) << colourType;
    const std::string bitDepth = DecodeError(PngBuilder(1, 1, 3, kRgb).ImageData({0, 0}).Finish());
    EXPECT_NE(bitDepth.find("Invalid bit depth in IHDR"), std::string::npos) << bitDepth;
}

TEST(PngHostile, AFileWithoutImageDataSaysSo) {
    const std::string error = DecodeError(PngBuilder(2, 1, 8, kRgba).Finish());
    EXPECT_NE(error.find("no image data"), std::string::npos) << error;
    // Cut short before any IDAT, the file is truncated rather than empty of pixels.
    auto cut = PngBuilder(2, 1, 8, kRgba).Finish();
    cut.resize(cut.size() - 12);
    EXPECT_EQ(DecodeError(cut).find("no image data"), std::string::npos) << DecodeError(cut);
}

TEST(PngHostile, TooLittleImageDataIsAnError) {
    EXPECT_FALSE(DecodeError(PngBuilder(4, 4, 8, kRgb).ImageData({0, 1, 2, 3}).Finish()).empty());
}

TEST(PngFiles, AMissingFileNamesItsPath) {
    try {
        (void)gfx::LoadPngFile("/nonexistent/burdomir/picture.png");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/burdomir/picture.png"), std::string::npos);
    }
}

}  // namespace

namespace {

gfx::PngFormat FormatOf(const std::vector<std::uint8_t>& file) {
    gfx::PngFormat format;
    (void)gfx::ReadPng(file, format);
    return format;
}

TEST(PngFormat, TellsTheStoredColourKindAndWhereAlphaCameFrom) {
    using gfx::PngColour;
    using gfx::PngFormat;
    EXPECT_EQ(FormatOf(SmallRgbaFile()), (PngFormat{PngColour::TrueColour, true, false}));
    EXPECT_EQ(FormatOf(PngBuilder(1, 1, 8, kGreyAlpha).ImageData({0, 1, 2}).Finish()),
              (PngFormat{PngColour::Grey, true, false}));
    EXPECT_EQ(FormatOf(PngBuilder(1, 1, 8, kGrey).Chunk("tRNS", {0, 9}).ImageData({0, 9}).Finish()),
              (PngFormat{PngColour::Grey, false, true}));
    EXPECT_EQ(FormatOf(PngBuilder(1, 1, 8, kPalette).Chunk("PLTE", {1, 2, 3}).ImageData({0, 0}).Finish()),
              (PngFormat{PngColour::Palette, false, false}));
    EXPECT_EQ(FormatOf(PngBuilder(1, 1, 8, kRgb).ImageData({0, 1, 2, 3}).Finish()),
              (PngFormat{PngColour::TrueColour, false, false}));
}

TEST(PngFormat, ADamagedStreamLeavesTheGivenFormatAlone) {
    gfx::PngFormat format{gfx::PngColour::Palette, true, true};
    auto file = SmallRgbaFile();
    file.resize(file.size() - 20);
    EXPECT_THROW((void)gfx::ReadPng(file, format), ImageError);
    EXPECT_EQ(format, (gfx::PngFormat{gfx::PngColour::Palette, true, true}));
}

}  // namespace
