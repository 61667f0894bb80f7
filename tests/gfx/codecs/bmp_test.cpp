#include "gfx/bmp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gfx::Bitmap;
using gfx::ImageError;
using gfx::MakePixel;
using Bytes = std::vector<std::uint8_t>;

// Field offsets in the two headers.
constexpr std::size_t kFileSize = 2;
constexpr std::size_t kPixelOffset = 10;
constexpr std::size_t kInfoSize = 14;
constexpr std::size_t kWidth = 18;
constexpr std::size_t kHeight = 22;
constexpr std::size_t kPlanes = 26;
constexpr std::size_t kBits = 28;
constexpr std::size_t kCompression = 30;
constexpr std::size_t kColoursUsed = 46;

void Patch16(Bytes& file, std::size_t at, std::uint32_t v) {
    file[at] = static_cast<std::uint8_t>(v);
    file[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Patch32(Bytes& file, std::size_t at, std::uint32_t v) {
    Patch16(file, at, v & 0xFFFF);
    Patch16(file, at + 2, v >> 16);
}
void Put32(Bytes& out, std::uint32_t v) {
    out.resize(out.size() + 4);
    Patch32(out, out.size() - 4, v);
}

// An 8-bit BMP with the given colour table (0x00RRGGBB) and rows in stored order; each
// row is padded to four bytes here.
Bytes MakeIndexedBmp(int width, int height, const std::vector<std::uint32_t>& palette,
                     const std::vector<Bytes>& storedRows) {
    Bytes file(54, 0);
    file[0] = 'B';
    file[1] = 'M';
    Patch32(file, kInfoSize, 40);
    Patch32(file, kWidth, static_cast<std::uint32_t>(width));
    Patch32(file, kHeight, static_cast<std::uint32_t>(height));
    Patch16(file, kPlanes, 1);
    Patch16(file, kBits, 8);
    Patch32(file, kColoursUsed, static_cast<std::uint32_t>(palette.size()));
    for (const std::uint32_t colour : palette) Put32(file, colour);
    Patch32(file, kPixelOffset, static_cast<std::uint32_t>(file.size()));
    for (Bytes row : storedRows) {
        row.resize((row.size() + 3) / 4 * 4, 0);
        file.insert(file.end(), row.begin(), row.end());
    }
    Patch32(file, kFileSize, static_cast<std::uint32_t>(file.size()));
    return file;
}

Bitmap Colourful(int width, int height) {
    Bitmap image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.set(x, y, MakePixel(x * 40 + 1, y * 60 + 2, (x ^ y) * 30 + 3));
    }
    return image;
}

// The message of the ImageError that reading throws, or "" when it reads.
std::string ReadError(const Bytes& file) {
    try {
        (void)gfx::ReadBmp(file);
    } catch (const ImageError& e) {
        return e.what();
    }
    return "";
}

void ExpectErrorMentions(const Bytes& file, const std::string& words) {
    const std::string error = ReadError(file);
    EXPECT_NE(error.find(words), std::string::npos) << "error was: '" << error << "'";
}

TEST(BmpRoundTrip, TwentyFourBitsKeepColoursWhateverThePadding) {
    // Widths around the four-pixel groups the reader decodes at once, with every remainder;
    // rows whose width is a multiple of four have no padding, so the last row ends the data.
    for (const int width : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 18, 19, 20}) {
        const Bitmap image = Colourful(width, 3);
        const gfx::BmpImage read = gfx::ReadBmp(gfx::WriteBmp24(image));
        EXPECT_EQ(read.bitsPerPixel, 24);
        EXPECT_EQ(read.pixels, image) << "width " << width;
    }
}

TEST(BmpRoundTrip, TwentyFourBitsDropAlpha) {
    const Bitmap image(2, 2, MakePixel(10, 20, 30, 7));
    EXPECT_EQ(gfx::ReadBmp(gfx::WriteBmp24(image)).pixels, Bitmap(2, 2, MakePixel(10, 20, 30)));
}

TEST(BmpRoundTrip, OneBitKeepsBlackAndTurnsEverythingElseWhite) {
    for (const int width : {1, 8, 9, 33}) {
        Bitmap image(width, 2, MakePixel(0, 0, 0));
        Bitmap expected = image;
        for (int x = 0; x < width; x += 3) {
            image.set(x, x % 2, MakePixel(0, 0, 1));
            expected.set(x, x % 2, MakePixel(255, 255, 255));
        }
        const gfx::BmpImage read = gfx::ReadBmp(gfx::WriteBmp1(image));
        EXPECT_EQ(read.bitsPerPixel, 1);
        EXPECT_EQ(read.pixels, expected) << "width " << width;
    }
}

TEST(BmpRoundTrip, EmptyImagesAreNotWritten) {
    EXPECT_THROW((void)gfx::WriteBmp24(Bitmap()), ImageError);
    EXPECT_THROW((void)gfx::WriteBmp1(Bitmap()), ImageError);
}

TEST(BmpBackToBack, EachReadConsumesExactlyItsFileSize) {
    const Bytes first = gfx::WriteBmp24(Colourful(3, 2));
    const Bytes second = gfx::WriteBmp1(Bitmap(9, 3, MakePixel(255, 255, 255)));
    Bytes both = first;
    both.insert(both.end(), second.begin(), second.end());

    std::size_t consumed = 0;
    EXPECT_EQ(gfx::ReadBmp(both, &consumed).pixels, Colourful(3, 2));
    ASSERT_EQ(consumed, first.size());
    const auto rest = std::span<const std::uint8_t>(both).subspan(consumed);
    EXPECT_EQ(gfx::ReadBmp(rest, &consumed).pixels, Bitmap(9, 3, MakePixel(255, 255, 255)));
    EXPECT_EQ(consumed, second.size());
}

TEST(BmpBackToBack, ASizeFieldLargerThanTheRowsIsConsumedWhole) {
    Bytes file = gfx::WriteBmp24(Colourful(2, 2));
    const std::size_t rowsEnd = file.size();
    file.resize(rowsEnd + 10, 0xEE);
    Patch32(file, kFileSize, static_cast<std::uint32_t>(file.size()));
    std::size_t consumed = 0;
    EXPECT_EQ(gfx::ReadBmp(file, &consumed).pixels, Colourful(2, 2));
    EXPECT_EQ(consumed, rowsEnd + 10);
}

TEST(BmpRead, EightBitsThroughTheColourTable) {
    const Bytes file = MakeIndexedBmp(3, 2, {0x112233, 0x445566, 0x778899}, {{0, 1, 2}, {2, 2, 0}});
    const gfx::BmpImage read = gfx::ReadBmp(file);
    EXPECT_EQ(read.bitsPerPixel, 8);
    EXPECT_EQ(read.pixels.at(0, 1), MakePixel(0x11, 0x22, 0x33));
    EXPECT_EQ(read.pixels.at(1, 1), MakePixel(0x44, 0x55, 0x66));
    EXPECT_EQ(read.pixels.at(2, 1), MakePixel(0x77, 0x88, 0x99));
    EXPECT_EQ(read.pixels.at(0, 0), MakePixel(0x77, 0x88, 0x99));
    EXPECT_EQ(read.pixels.at(2, 0), MakePixel(0x11, 0x22, 0x33));
}

TEST(BmpRead, IndexBeyondAShortColourTableIsBlack) {
    const Bytes file = MakeIndexedBmp(2, 1, {0xFFFFFF, 0x00FF00}, {{1, 200}});
    const Bitmap pixels = gfx::ReadBmp(file).pixels;
    EXPECT_EQ(pixels.at(0, 0), MakePixel(0, 255, 0));
    EXPECT_EQ(pixels.at(1, 0), MakePixel(0, 0, 0));
}

TEST(BmpRead, ANegativeHeightStoresRowsTopDown) {
    Bytes file = MakeIndexedBmp(1, 2, {0xFF0000, 0x0000FF}, {{0}, {1}});
    Patch32(file, kHeight, static_cast<std::uint32_t>(-2));
    const Bitmap pixels = gfx::ReadBmp(file).pixels;
    EXPECT_EQ(pixels.at(0, 0), MakePixel(255, 0, 0));
    EXPECT_EQ(pixels.at(0, 1), MakePixel(0, 0, 255));
}

TEST(BmpRead, OneBitUsesItsOwnColourTable) {
    Bytes file = gfx::WriteBmp1(Bitmap(2, 1, MakePixel(255, 255, 255)));
    Patch32(file, 54, 0x00CC0000);
    Patch32(file, 58, 0x000000DD);
    EXPECT_EQ(gfx::ReadBmp(file).pixels, Bitmap(2, 1, MakePixel(0, 0, 0xDD)));
}

TEST(BmpRead, RowsMayStartAfterAGap) {
    Bytes file = gfx::WriteBmp24(Colourful(2, 2));
    file.insert(file.begin() + 54, 6, 0xAB);
    Patch32(file, kPixelOffset, 60);
    Patch32(file, kFileSize, static_cast<std::uint32_t>(file.size()));
    EXPECT_EQ(gfx::ReadBmp(file).pixels, Colourful(2, 2));
}

TEST(BmpHostile, TruncatedAtEveryByte) {
    const Bytes full = MakeIndexedBmp(5, 3, {0x010203, 0x040506}, {{0, 1, 0, 1, 0}, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}});
    for (std::size_t size = 0; size < full.size(); ++size) {
        Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(ReadError(cut).empty()) << "cut at " << size;
        if (size >= 6) {
            // The same cut with a size field that agrees: the rows no longer fit.
            Patch32(cut, kFileSize, static_cast<std::uint32_t>(size));
            EXPECT_FALSE(ReadError(cut).empty()) << "cut and patched at " << size;
        }
    }
}

TEST(BmpHostile, WrongMagicOrHeaderKind) {
    Bytes file = gfx::WriteBmp24(Colourful(2, 2));
    Bytes wrongMagic = file;
    wrongMagic[1] = 'A';
    ExpectErrorMentions(wrongMagic, "\"BM\"");
    for (const std::uint32_t size : {0u, 39u, 41u, 100u, 0xFFFFFFFFu}) {
        Bytes other = file;
        Patch32(other, kInfoSize, size);
        ExpectErrorMentions(other, "a " + std::to_string(size) + "-byte info header is not supported");
    }
}

TEST(BmpHostile, AnUnsupportedHeaderIsNamedBeforeSizesThatFitOnlyTheClassicOne) {
    // An OS/2 bitmap of two pixels is 32 bytes in all: shorter than the classic headers.
    Bytes os2 = {'B', 'M', 32, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 24, 0};
    os2.resize(32, 0x7F);
    ExpectErrorMentions(os2, "a 12-byte OS/2 info header is not supported");
    Bytes os2v2 = os2;
    Patch32(os2v2, kInfoSize, 64);
    ExpectErrorMentions(os2v2, "a 64-byte OS/2 2.x info header is not supported");
}

TEST(BmpHostile, CompressedImagesAreRefused) {
    Bytes file = MakeIndexedBmp(2, 2, {0, 0xFFFFFF}, {{0, 1}, {1, 0}});
    Patch32(file, kCompression, 1);
    ExpectErrorMentions(file, "RLE8");
    Patch32(file, kCompression, 3);
    ExpectErrorMentions(file, "bit-field masks is not supported with 8 bits per pixel");
}

TEST(BmpHostile, UnsupportedDepthsAndPlanes) {
    for (const std::uint32_t bits : {0u, 2u, 4u, 16u, 64u}) {
        Bytes file = gfx::WriteBmp24(Colourful(2, 2));
        Patch16(file, kBits, bits);
        ExpectErrorMentions(file, std::to_string(bits) + " bits per pixel");
    }
    Bytes file = gfx::WriteBmp24(Colourful(2, 2));
    Patch16(file, kPlanes, 2);
    ExpectErrorMentions(file, "colour planes");
}

TEST(BmpHostile, SizesWithoutPixels) {
    Bytes file = gfx::WriteBmp24(Colourful(2, 2));
    Patch32(file, kWidth, 0);
    ExpectErrorMentions(file, "has no pixels");
    Patch32(file, kWidth, static_cast<std::uint32_t>(-3));
    ExpectErrorMentions(file, "the width -3 is negative");
    file = gfx::WriteBmp24(Colourful(2, 2));
    Patch32(file, kHeight, 0);
    ExpectErrorMentions(file, "has no pixels");
}

TEST(BmpHostile, HugeDimensionsAreRefusedBeforeAnyAllocation) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> sizes = {
        {100000, 1}, {1, 100000}, {16384, 16384}, {16384, 5000}, {1, INT32_MIN}, {INT32_MAX, INT32_MAX}};
    for (const auto& [width, height] : sizes) {
        Bytes file = gfx::WriteBmp24(Colourful(2, 2));
        Patch32(file, kWidth, static_cast<std::uint32_t>(width));
        Patch32(file, kHeight, static_cast<std::uint32_t>(height));
        ExpectErrorMentions(file, "larger than");
    }
}

TEST(BmpHostile, LargeButAcceptedSizeWithTooFewBytesIsTruncation) {
    Bytes file = gfx::WriteBmp24(Colourful(2, 2));
    Patch32(file, kWidth, 8000);
    Patch32(file, kHeight, 8000);
    ExpectErrorMentions(file, "the pixel rows need 192000000 bytes");
}

TEST(BmpHostile, ColourTableLargerThanTheDepthAllows) {
    Bytes file = MakeIndexedBmp(1, 1, {0}, {{0}});
    Patch32(file, kColoursUsed, 257);
    ExpectErrorMentions(file, "257 colours, more than the 256 an 8-bit image can use");
    Bytes mono = gfx::WriteBmp1(Bitmap(1, 1));
    Patch32(mono, kColoursUsed, 3);
    ExpectErrorMentions(mono, "more than the 2 a 1-bit image can use");
    Patch32(file, kColoursUsed, 0xFFFFFFFF);
    ExpectErrorMentions(file, "4294967295 colours");
}

TEST(BmpHostile, FullColourTableThatDoesNotFitIsRefused) {
    // Zero colours used means the full 256-entry table, which this file does not hold.
    Bytes file = MakeIndexedBmp(1, 1, {0x123456}, {{0}});
    Patch32(file, kColoursUsed, 0);
    ExpectErrorMentions(file, "colour table that end at 1078");
}

TEST(BmpHostile, PixelOffsetOutsideTheFile) {
    Bytes file = gfx::WriteBmp24(Colourful(2, 2));
    Patch32(file, kPixelOffset, 20);
    ExpectErrorMentions(file, "inside the headers");
    Patch32(file, kPixelOffset, 0xFFFFFFF0);
    ExpectErrorMentions(file, "but the file is only");
}

TEST(BmpHostile, SizeFieldSmallerThanTheHeaders) {
    Bytes file = gfx::WriteBmp24(Colourful(2, 2));
    Patch32(file, kFileSize, 30);
    ExpectErrorMentions(file, "less than the 54 bytes");
}

TEST(BmpHostile, ASizeFieldTooSmallForTheRowsIsBlamedOnTheField) {
    Bytes file = gfx::WriteBmp24(Colourful(4, 4));
    Patch32(file, kFileSize, static_cast<std::uint32_t>(file.size() - 8));
    ExpectErrorMentions(file, "the file header's size field is too small");
    // Cut to the same length, the file itself is what is short.
    file.resize(file.size() - 8);
    ExpectErrorMentions(file, "but the file is only " + std::to_string(file.size()) + " bytes long");
}

TEST(BmpHostile, SideLimitsHoldForFilesThatWouldOtherwiseDecode) {
    // One-bit rows are cheap, so a full file at the limit is small: the side cap, not a
    // shortage of bytes, is what refuses the wider one.
    const Bytes atLimit = gfx::WriteBmp1(Bitmap(gfx::kMaxImageSide, 1, MakePixel(255, 255, 255)));
    EXPECT_EQ(gfx::ReadBmp(atLimit).pixels.width(), gfx::kMaxImageSide);
    // The writer refuses pictures past the limit, so these grow one written at it: a row
    // of 16385 one-bit pixels takes 2052 bytes instead of 2048, a 16385th row 4 more.
    Bytes wider = atLimit;
    Patch32(wider, kWidth, gfx::kMaxImageSide + 1);
    wider.resize(wider.size() + 4, 0xFF);
    Patch32(wider, kFileSize, static_cast<std::uint32_t>(wider.size()));
    ExpectErrorMentions(wider, "larger than");
    Bytes taller = gfx::WriteBmp1(Bitmap(1, gfx::kMaxImageSide));
    EXPECT_EQ(gfx::ReadBmp(taller).pixels.height(), gfx::kMaxImageSide);
    Patch32(taller, kHeight, gfx::kMaxImageSide + 1);
    taller.resize(taller.size() + 4, 0);
    Patch32(taller, kFileSize, static_cast<std::uint32_t>(taller.size()));
    ExpectErrorMentions(taller, "larger than");
}

}  // namespace
