// The bitmaps common image editors write: 108- and 124-byte info headers, 32-bit pixels
// with or without bit-field masks, and alpha where the masks give it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bmp_builder.h"
#include "gfx/bmp.h"

namespace {

using codectest::BmpLayout;
using codectest::MakeBmp;
using gfx::Bitmap;
using gfx::MakePixel;
using Bytes = std::vector<std::uint8_t>;

Bytes EditorFile(const std::string& name) {
    const auto path = std::filesystem::path(BURDOMIR_SOURCE_DIR) / "tests/gfx/codecs/editor_files" / name;
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string ReadError(const Bytes& file) {
    try {
        (void)gfx::ReadBmp(file);
    } catch (const gfx::ImageError& e) {
        return e.what();
    }
    return "";
}

// The colours the ImageMagick files were made from (see editor_files/README).
gfx::Pixel Source(int x, int y, int alpha = 255) {
    return MakePixel((x * 50 + 5) % 256, (y * 90 + 10) % 256, ((x ^ y) * 40 + 20) % 256, alpha);
}

TEST(BmpEditorFiles, ImageMagick32BitsWithAlphaAnd124ByteHeader) {
    const Bytes file = EditorFile("imagemagick_rgba32_v5.bmp");
    ASSERT_EQ(file.size(), 198u);
    const gfx::BmpImage image = gfx::ReadBmp(file);
    EXPECT_EQ(image.bitsPerPixel, 32);
    ASSERT_EQ(image.pixels.width(), 5);
    ASSERT_EQ(image.pixels.height(), 3);
    const int alphas[] = {255, 128, 0, 64, 200};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(image.pixels.at(x, y), Source(x, y, alphas[x])) << x << "," << y;
}

TEST(BmpEditorFiles, ImageMagick24BitsWith124ByteHeader) {
    const gfx::BmpImage image = gfx::ReadBmp(EditorFile("imagemagick_rgb24_v5.bmp"));
    EXPECT_EQ(image.bitsPerPixel, 24);
    Bitmap expected(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) expected.set(x, y, Source(x, y));
    EXPECT_EQ(image.pixels, expected);
}

TEST(BmpEditorFiles, ImageMagickOneBitWith108ByteHeaderReadsItsColourTable) {
    const gfx::BmpImage image = gfx::ReadBmp(EditorFile("imagemagick_mono_v4.bmp"));
    EXPECT_EQ(image.bitsPerPixel, 1);
    Bitmap expected(5, 3, MakePixel(0, 0, 0));
    expected.set(4, 1, MakePixel(255, 255, 255));
    for (int x = 0; x < 5; ++x) expected.set(x, 2, MakePixel(255, 255, 255));
    EXPECT_EQ(image.pixels, expected);
}

TEST(BmpLongHeaders, IndexedImagesFindTheirColourTableAfterTheHeader) {
    for (const std::uint32_t infoSize : {108u, 124u}) {
        BmpLayout layout{.infoSize = infoSize, .width = 3, .height = -1, .bits = 8};
        layout.palette = {0x102030, 0x405060, 0x708090};
        layout.rows = {{2, 0, 1}};
        const Bitmap pixels = gfx::ReadBmp(MakeBmp(layout)).pixels;
        EXPECT_EQ(pixels.at(0, 0), MakePixel(0x70, 0x80, 0x90)) << infoSize;
        EXPECT_EQ(pixels.at(1, 0), MakePixel(0x10, 0x20, 0x30)) << infoSize;
        EXPECT_EQ(pixels.at(2, 0), MakePixel(0x40, 0x50, 0x60)) << infoSize;
    }
}

TEST(BmpThirtyTwoBits, UncompressedIgnoresTheFourthByte) {
    // Without masks the fourth byte is padding, whatever a long header's alpha mask says.
    for (const std::uint32_t infoSize : {40u, 124u}) {
        BmpLayout layout{.infoSize = infoSize, .width = 2, .height = 1, .bits = 32};
        layout.rows = {{0x30, 0x20, 0x10, 0x00, 0x03, 0x02, 0x01, 0x7F}};
        const Bitmap pixels = gfx::ReadBmp(MakeBmp(layout)).pixels;
        EXPECT_EQ(pixels.at(0, 0), MakePixel(0x10, 0x20, 0x30)) << infoSize;
        EXPECT_EQ(pixels.at(1, 0), MakePixel(0x01, 0x02, 0x03)) << infoSize;
    }
}

TEST(BmpThirtyTwoBits, MasksAfterAClassicHeaderGiveNoAlpha) {
    BmpLayout layout{.infoSize = 40, .width = 1, .height = 1, .bits = 32, .compression = 3};
    // Red in the low byte, blue in the third: the byte order some writers use.
    layout.masks[0] = 0x000000FFu;
    layout.masks[1] = 0x0000FF00u;
    layout.masks[2] = 0x00FF0000u;
    layout.rows = {{0x11, 0x22, 0x33, 0x00}};
    EXPECT_EQ(gfx::ReadBmp(MakeBmp(layout)).pixels.at(0, 0), MakePixel(0x11, 0x22, 0x33));
}

TEST(BmpThirtyTwoBits, NarrowMasksAreScaledToTheFullRange) {
    // Ten bits a channel and two of alpha, as deep-colour writers store them.
    BmpLayout layout{.infoSize = 124, .width = 2, .height = 1, .bits = 32, .compression = 3};
    layout.masks[0] = 0x3FF00000u;
    layout.masks[1] = 0x000FFC00u;
    layout.masks[2] = 0x000003FFu;
    layout.masks[3] = 0xC0000000u;
    const std::uint32_t full = 0xFFFFFFFFu;
    const std::uint32_t mixed = (1u << 30) | (512u << 20) | (0u << 10) | 1023u;
    layout.rows = {{}};
    for (const std::uint32_t w : {full, mixed})
        for (int i = 0; i < 4; ++i) layout.rows[0].push_back(static_cast<std::uint8_t>(w >> (8 * i)));
    const Bitmap pixels = gfx::ReadBmp(MakeBmp(layout)).pixels;
    EXPECT_EQ(pixels.at(0, 0), MakePixel(255, 255, 255, 255));
    EXPECT_EQ(pixels.at(1, 0), MakePixel(128, 0, 255, 85));
}

TEST(BmpThirtyTwoBits, BadMasksAreRefused) {
    auto withMasks = [](std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t a) {
        BmpLayout layout{.infoSize = 124, .width = 1, .height = 1, .bits = 32, .compression = 3};
        layout.masks[0] = r;
        layout.masks[1] = g;
        layout.masks[2] = b;
        layout.masks[3] = a;
        layout.rows = {{1, 2, 3, 4}};
        return ReadError(MakeBmp(layout));
    };
    EXPECT_NE(withMasks(0x00FF00FFu, 0x0000FF00u, 0x00000000u, 0).find("not one run of bits"), std::string::npos);
    EXPECT_NE(withMasks(0x00FF0000u, 0x00000000u, 0x000000FFu, 0).find("a colour mask is empty"), std::string::npos);
    EXPECT_NE(withMasks(0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0x000000FFu).find("overlap"), std::string::npos);
    EXPECT_TRUE(withMasks(0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0).empty()) << "no alpha mask is fine";
}

TEST(BmpThirtyTwoBits, MasksCutOffAfterAClassicHeaderAreTruncation) {
    BmpLayout layout{.infoSize = 40, .width = 1, .height = 1, .bits = 32, .compression = 3};
    layout.rows = {{1, 2, 3, 4}};
    Bytes file = MakeBmp(layout);
    file.resize(14 + 40 + 8);
    codectest::PutLe(file, 2, static_cast<std::uint32_t>(file.size()), 4);
    EXPECT_NE(ReadError(file).find("the headers end at byte 66"), std::string::npos) << ReadError(file);
}

TEST(BmpThirtyTwoBits, BitFieldsAreOnlyForThirtyTwoBits) {
    BmpLayout layout{.infoSize = 124, .width = 1, .height = 1, .bits = 24, .compression = 3};
    layout.rows = {{1, 2, 3}};
    EXPECT_NE(ReadError(MakeBmp(layout)).find("not supported with 24 bits"), std::string::npos);
}

TEST(BmpLongHeaders, TruncatedAtEveryByte) {
    BmpLayout layout{.infoSize = 124, .width = 3, .height = 2, .bits = 32, .compression = 3};
    layout.rows = {Bytes(12, 0x40), Bytes(12, 0x80)};
    const Bytes full = MakeBmp(layout);
    ASSERT_TRUE(ReadError(full).empty());
    for (std::size_t size = 0; size < full.size(); ++size) {
        Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(ReadError(cut).empty()) << "cut at " << size;
        if (size >= 6) {
            codectest::PutLe(cut, 2, static_cast<std::uint32_t>(size), 4);
            EXPECT_FALSE(ReadError(cut).empty()) << "cut and patched at " << size;
        }
    }
}

}  // namespace
