#include "skin/package/skn_file.h"

#include <gtest/gtest.h>

#include "skin/package/compressed_stored_skin.h"
#include "skin/package/skin_list.h"
#include "skin/package/skin_package.h"
#include "temp_folder.h"

namespace skin {
namespace {

std::vector<std::uint8_t> Header(std::int32_t version, std::int32_t length) {
    std::vector<std::uint8_t> out;
    for (const std::int32_t v : {version, length}) {
        for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(std::uint32_t(v) >> shift));
    }
    return out;
}

TEST(SknFile, FormatWritesVersionTwoAndTheLength) {
    const std::vector<std::uint8_t> stream = {1, 2, 3};
    const std::vector<std::uint8_t> file = FormatSkn(stream);
    std::vector<std::uint8_t> expected = Header(2, 3);
    expected.insert(expected.end(), stream.begin(), stream.end());
    EXPECT_EQ(file, expected);
    EXPECT_EQ(ParseSkn(file), stream);
}

TEST(SknFile, VersionsUpToThreeAreReadAndAboveRefused) {
    for (const std::int32_t version : {-1, 0, 3}) {
        std::vector<std::uint8_t> file = Header(version, 1);
        file.push_back(9);
        EXPECT_EQ(ParseSkn(file), (std::vector<std::uint8_t>{9})) << version;
    }
    std::vector<std::uint8_t> file = Header(4, 1);
    file.push_back(9);
    EXPECT_THROW((void)ParseSkn(file), SkinVersionError);
}

TEST(SknFile, ALengthBeyondTheDataIsATruncatedFile) {
    const std::vector<std::uint8_t> header = Header(2, 0);
    EXPECT_THROW((void)ParseSkn(std::span(header).first(7)), SkinPackageError);
    std::vector<std::uint8_t> file = Header(2, 5);
    file.push_back(1);
    EXPECT_THROW((void)ParseSkn(file), SkinPackageError);
    EXPECT_THROW((void)ParseSkn(Header(2, -1)), SkinPackageError);
}

TEST(SknFile, WritesAndReadsFilesAndNamesThePathOnError) {
    testfixtures::TempFolder dir;
    const std::vector<std::uint8_t> stream = DeflateSkin(std::vector<std::uint8_t>(300, 7));
    WriteSknFile(dir.path() / "a.skn", stream);
    EXPECT_EQ(ReadSknFile(dir.path() / "a.skn"), stream);
    try {
        (void)ReadSknFile(dir.path() / "missing.skn");
        FAIL() << "a missing file was read";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("missing.skn"), std::string::npos) << e.what();
    }
}

TEST(CompressedStoredSkin, LoadFromCompressedFileKeepsOnlyTheFileName) {
    testfixtures::TempFolder dir;
    const std::vector<std::uint8_t> stream = DeflateSkin(std::vector<std::uint8_t>(10, 1));
    WriteSknFile(dir.path() / "Default.skn", stream);
    TspCompressedStoredSkin stored;
    EXPECT_TRUE(stored.IsEmpty());
    stored.LoadFromCompressedFile(dir.path() / "Default.skn");
    EXPECT_EQ(stored.CompressedFileName, "Default.skn");
    EXPECT_EQ(std::vector<std::uint8_t>(stored.Data().begin(), stored.Data().end()), stream);
}

TEST(CompressedStoredSkin, AFailedFileLoadChangesNothing) {
    testfixtures::TempFolder dir;
    std::vector<std::uint8_t> newer = Header(7, 0);
    WriteBinaryFile(dir.path() / "new.skn", newer);
    TspCompressedStoredSkin stored;
    const std::vector<std::uint8_t> before = {4, 5, 6};
    stored.SetData(before);
    stored.CompressedFileName = "old.skn";
    EXPECT_THROW(stored.LoadFromCompressedFile(dir.path() / "new.skn"), SkinVersionError);
    EXPECT_EQ(stored.CompressedFileName, "old.skn");
    EXPECT_EQ(std::vector<std::uint8_t>(stored.Data().begin(), stored.Data().end()), before);
}

TEST(SkinList, ItemsAreNamedAfterTheirPosition) {
    TspCompressedSkinList list;
    EXPECT_EQ(list.Add().Name, "spSkin0");
    EXPECT_EQ(list.Add().Name, "spSkin1");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(1).Name, "spSkin1");
}

TEST(SkinList, ItemStreamRoundTripsAndANewerVersionLeavesItEmpty) {
    TspSkinListItem item(0);
    const std::vector<std::uint8_t> stream = {0x78, 0xDA, 1, 2};
    item.Skin.SetData(stream);
    const std::vector<std::uint8_t> written = item.WriteSkinStream();
    EXPECT_EQ(written, FormatSkn(stream));

    TspSkinListItem copy(1);
    copy.ReadSkinStream(written);
    EXPECT_EQ(std::vector<std::uint8_t>(copy.Skin.Data().begin(), copy.Skin.Data().end()), stream);

    std::vector<std::uint8_t> newer = Header(4, 2);
    newer.insert(newer.end(), {1, 2});
    copy.ReadSkinStream(newer);
    EXPECT_TRUE(copy.Skin.IsEmpty());
}

}  // namespace
}  // namespace skin
