#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gfx/bmp.h"

namespace skin {

// A skin package or compressed skin stream that cannot be read; the message names what is
// wrong and at which byte offset.
class SkinPackageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A package written by a newer program: its layout is unknown, so nothing after the
// version can be trusted.
class SkinVersionError : public SkinPackageError {
public:
    using SkinPackageError::SkinPackageError;
};

// The highest package layout this program reads.
inline constexpr std::int32_t kNewestPackageVersion = 3;
// The layout the builder writes.
inline constexpr std::int32_t kBuiltPackageVersion = 2;

// Which optional frame-bitmap slots a package version stores besides picture and mask.
struct SlotLayout {
    bool inactivePicture = false;
    bool rollUp = false;
};

// The slots present for a version; anything below 1 (negative versions included) is
// version 0. Only meaningful for versions up to kNewestPackageVersion.
[[nodiscard]] constexpr SlotLayout SlotsForVersion(std::int32_t version) {
    return {version == 2 || version == 3, version == 1 || version == 2};
}

// A decompressed skin package. An empty slot is an image with no pixels.
struct SkinPackage {
    std::int32_t version = kBuiltPackageVersion;
    gfx::BmpImage picture;
    gfx::BmpImage inactivePicture;
    gfx::BmpImage mask;
    gfx::BmpImage rollUpPicture;
    gfx::BmpImage rollUpMask;
    std::vector<gfx::BmpImage> activePictures;
    std::vector<std::string> lines;  // the definition text
};

// Reads a decompressed package. Throws SkinVersionError for a version above
// kNewestPackageVersion and SkinPackageError for a truncated package or a damaged bitmap.
[[nodiscard]] SkinPackage ReadSkinPackage(std::span<const std::uint8_t> package);

// Reads a decompressed package as ReadSkinPackage does but leaves `lines` empty and sets
// text to the definition text where it lies in package, for a reader that parses it in
// place instead of copying every line (text is valid as long as package is).
[[nodiscard]] SkinPackage ReadSkinBitmaps(std::span<const std::uint8_t> package, std::string_view& text);

// Builds a package byte by byte. It writes what it is told in the order it is told; the
// caller follows the slot layout of the version it writes first.
class PackageWriter {
public:
    // Starts a package with its version.
    explicit PackageWriter(std::int32_t version);
    // A slot: flag 1 alone for an empty bitmap, else flag 0 and the BMP file image.
    void Slot(std::span<const std::uint8_t> bmp);
    // The number of active pictures, then each with Picture().
    void PictureCount(std::int32_t count);
    void Picture(std::span<const std::uint8_t> bmp);
    // The definition text, each line followed by CR LF.
    void Lines(const std::vector<std::string>& lines);
    // Raw bytes, for packages that are meant to be odd.
    void Bytes(std::span<const std::uint8_t> bytes);
    // The package written so far; the writer is empty afterwards.
    [[nodiscard]] std::vector<std::uint8_t> Take() { return std::move(data_); }

private:
    void Int32(std::int32_t value);
    std::vector<std::uint8_t> data_;
};

// Splits text into lines at CR LF, a lone CR or a lone LF; a final line break opens no
// further line.
[[nodiscard]] std::vector<std::string> SplitLines(std::string_view text);

// Inflated bytes: the buffer grows without zeroing the room that inflating writes next.
using SkinBytes = std::vector<std::uint8_t, gfx::OverwriteAllocator<std::uint8_t>>;

// Inflates a zlib stream (RFC 1950) that must hold exactly one complete stream. Throws
// SkinPackageError when it is damaged, truncated, followed by other bytes, or would
// inflate to more than maxSize bytes.
[[nodiscard]] SkinBytes InflateSkin(std::span<const std::uint8_t> stream, std::size_t maxSize = std::size_t{256} << 20);

// Compresses into a zlib stream at the given level (the skin format uses 9).
[[nodiscard]] std::vector<std::uint8_t> DeflateSkin(std::span<const std::uint8_t> data, int level = 9);

}  // namespace skin
