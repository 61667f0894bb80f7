#include "skin/package/skin_package.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "package_fixtures.h"

namespace skin {
namespace {

using testfixtures::Bmp1;
using testfixtures::Bmp24;

TEST(SkinPackageReader, VersionZeroHoldsPictureAndMaskThenTheCount) {
    PackageWriter w(0);
    w.Slot(Bmp24(4, 3));
    w.Slot(Bmp1(4, 3));
    w.PictureCount(1);
    w.Picture(Bmp24(2, 5));
    w.Lines({"[VERSION]", "skinname=x"});
    const SkinPackage p = ReadSkinPackage(w.Take());
    EXPECT_EQ(p.version, 0);
    EXPECT_EQ(p.picture.pixels.size(), (gfx::Size{4, 3}));
    EXPECT_EQ(p.mask.pixels.size(), (gfx::Size{4, 3}));
    EXPECT_EQ(p.mask.bitsPerPixel, 1);
    EXPECT_TRUE(p.inactivePicture.pixels.empty());
    EXPECT_TRUE(p.rollUpPicture.pixels.empty());
    ASSERT_EQ(p.activePictures.size(), 1u);
    EXPECT_EQ(p.activePictures[0].pixels.size(), (gfx::Size{2, 5}));
    EXPECT_EQ(p.lines, (std::vector<std::string>{"[VERSION]", "skinname=x"}));
}

TEST(SkinPackageReader, NegativeVersionReadsLikeVersionZero) {
    PackageWriter w(-7);
    w.Slot(Bmp24(3, 3));
    w.Slot({});
    w.PictureCount(0);
    w.Lines({"[PICTURES]"});
    const SkinPackage p = ReadSkinPackage(w.Take());
    EXPECT_EQ(p.picture.pixels.size(), (gfx::Size{3, 3}));
    EXPECT_TRUE(p.mask.pixels.empty());
    EXPECT_EQ(p.lines, (std::vector<std::string>{"[PICTURES]"}));
}

TEST(SkinPackageReader, EachVersionReadsItsOwnSlots) {
    // Every slot gets a distinct width so a misplaced slot shows.
    struct Case {
        std::int32_t version;
        int slots;
    };
    for (const Case c : {Case{1, 4}, Case{2, 5}, Case{3, 3}}) {
        PackageWriter w(c.version);
        for (int i = 0; i < c.slots; ++i) w.Slot(Bmp24(10 + i, 2));
        w.PictureCount(0);
        w.Lines({"end"});
        const SkinPackage p = ReadSkinPackage(w.Take());
        const SlotLayout layout = SlotsForVersion(c.version);
        int next = 10;
        EXPECT_EQ(p.picture.pixels.width(), next++) << c.version;
        if (layout.inactivePicture) {
            EXPECT_EQ(p.inactivePicture.pixels.width(), next++) << c.version;
        }
        EXPECT_EQ(p.mask.pixels.width(), next++) << c.version;
        if (layout.rollUp) {
            EXPECT_EQ(p.rollUpPicture.pixels.width(), next++) << c.version;
            EXPECT_EQ(p.rollUpMask.pixels.width(), next++) << c.version;
        }
        EXPECT_EQ(next - 10, c.slots);
        EXPECT_EQ(p.lines, (std::vector<std::string>{"end"})) << c.version;
    }
}

TEST(SkinPackageReader, EmptySlotIsOneByte) {
    PackageWriter w(3);
    w.Slot({});
    w.Slot({});
    w.Slot({});
    w.PictureCount(0);
    std::vector<std::uint8_t> bytes = w.Take();
    EXPECT_EQ(bytes.size(), 4u + 3u + 4u);
    const SkinPackage p = ReadSkinPackage(bytes);
    EXPECT_TRUE(p.picture.pixels.empty());
    EXPECT_TRUE(p.mask.pixels.empty());
    EXPECT_TRUE(p.lines.empty());
}

TEST(SkinPackageReader, AnyNonZeroFlagMeansEmpty) {
    PackageWriter w(0);
    const std::uint8_t flags[] = {0xFF, 2};
    w.Bytes(flags);
    w.PictureCount(0);
    w.Lines({"a"});
    const SkinPackage p = ReadSkinPackage(w.Take());
    EXPECT_TRUE(p.picture.pixels.empty());
    EXPECT_TRUE(p.mask.pixels.empty());
    EXPECT_EQ(p.lines, (std::vector<std::string>{"a"}));
}

TEST(SkinPackageReader, ZeroOrNegativeCountContinuesWithTheText) {
    for (const std::int32_t count : {0, -3}) {
        PackageWriter w(0);
        w.Slot({});
        w.Slot({});
        w.PictureCount(count);
        w.Lines({"[VERSION]"});
        const SkinPackage p = ReadSkinPackage(w.Take());
        EXPECT_TRUE(p.activePictures.empty());
        EXPECT_EQ(p.lines, (std::vector<std::string>{"[VERSION]"}));
    }
}

TEST(SkinPackageReader, VersionFourOrMoreIsRefused) {
    for (const std::int32_t version : {4, 1000}) {
        PackageWriter w(version);
        w.Slot({});
        w.Slot({});
        w.PictureCount(0);
        EXPECT_THROW((void)ReadSkinPackage(w.Take()), SkinVersionError);
    }
}

TEST(SkinPackageReader, TruncationAtEveryByteIsADescriptiveError) {
    PackageWriter w(2);
    w.Slot(Bmp24(5, 4));
    w.Slot({});
    w.Slot(Bmp1(5, 4));
    w.Slot({});
    w.Slot({});
    w.PictureCount(2);
    w.Picture(Bmp24(3, 3));
    w.Picture(Bmp1(9, 2));
    const std::vector<std::uint8_t> bytes = w.Take();
    // Without text, every shorter prefix cuts something that must be there.
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        const std::span<const std::uint8_t> prefix(bytes.data(), n);
        try {
            (void)ReadSkinPackage(prefix);
            ADD_FAILURE() << "a package cut to " << n << " bytes was accepted";
        } catch (const SkinPackageError& e) {
            EXPECT_NE(std::string(e.what()).find("byte"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(ReadSkinPackage(bytes).activePictures.size(), 2u);
}

TEST(SkinPackageReader, DamagedBitmapNamesTheBitmap) {
    std::vector<std::uint8_t> bmp = Bmp24(3, 3);
    bmp[0] = 'X';
    PackageWriter w(0);
    w.Slot({});
    w.Slot({});
    w.PictureCount(1);
    w.Picture(bmp);
    try {
        (void)ReadSkinPackage(w.Take());
        FAIL() << "a damaged bitmap was accepted";
    } catch (const SkinPackageError& e) {
        EXPECT_NE(std::string(e.what()).find("active picture 0"), std::string::npos) << e.what();
    }
}

TEST(SkinPackageReader, ReadingTheBitmapsAloneLeavesTheTextInPlace) {
    PackageWriter w(0);
    w.Slot(Bmp24(4, 3));
    w.Slot(Bmp1(4, 3));
    w.PictureCount(1);
    w.Picture(Bmp24(2, 5));
    w.Lines({"[VERSION]", "skinname=x"});
    const std::vector<std::uint8_t> bytes = w.Take();
    std::string_view text;
    const SkinPackage bitmaps = ReadSkinBitmaps(bytes, text);
    const SkinPackage whole = ReadSkinPackage(bytes);
    EXPECT_EQ(text, "[VERSION]\r\nskinname=x\r\n");
    EXPECT_EQ(static_cast<const void*>(text.data() + text.size()),
              static_cast<const void*>(bytes.data() + bytes.size()));
    EXPECT_TRUE(bitmaps.lines.empty());
    EXPECT_EQ(bitmaps.picture.pixels, whole.picture.pixels);
    EXPECT_EQ(bitmaps.mask.pixels, whole.mask.pixels);
    ASSERT_EQ(bitmaps.activePictures.size(), 1u);
    EXPECT_EQ(bitmaps.activePictures[0].pixels, whole.activePictures[0].pixels);
}

TEST(SkinPackageText, SplitsAtCrLfLoneCrAndLoneLf) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("\r"), (std::vector<std::string>{""}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(SplitLines("last"), (std::vector<std::string>{"last"}));
}

TEST(SkinCompression, RoundTripsAtLevelNine) {
    std::vector<std::uint8_t> data(100000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>((i * 7) ^ (i >> 5));
    const std::vector<std::uint8_t> stream = DeflateSkin(data);
    ASSERT_GE(stream.size(), 2u);
    EXPECT_EQ(stream[0], 0x78);
    EXPECT_EQ(stream[1], 0xDA);
    EXPECT_TRUE(std::ranges::equal(InflateSkin(stream), data));
}

TEST(SkinCompression, DamagedTruncatedOrPaddedStreamsAreRefused) {
    const std::vector<std::uint8_t> data(5000, 'x');
    const std::vector<std::uint8_t> stream = DeflateSkin(data);
    EXPECT_THROW((void)InflateSkin({}), SkinPackageError);
    for (std::size_t n = 1; n < stream.size(); ++n) {
        EXPECT_THROW((void)InflateSkin(std::span(stream.data(), n)), SkinPackageError) << n;
    }
    std::vector<std::uint8_t> padded = stream;
    padded.push_back(0);
    EXPECT_THROW((void)InflateSkin(padded), SkinPackageError);
    std::vector<std::uint8_t> corrupt = stream;
    corrupt[corrupt.size() - 1] ^= 0x55;  // Adler-32 no longer matches
    EXPECT_THROW((void)InflateSkin(corrupt), SkinPackageError);
}

TEST(SkinCompression, RefusesStreamsThatInflateBeyondTheLimit) {
    const std::vector<std::uint8_t> data(1 << 20, 0);
    const std::vector<std::uint8_t> stream = DeflateSkin(data);
    EXPECT_THROW((void)InflateSkin(stream, 1000), SkinPackageError);
    EXPECT_EQ(InflateSkin(stream, data.size()).size(), data.size());
}

}  // namespace
}  // namespace skin
