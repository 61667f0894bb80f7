#include "skin/package/skin_package.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <string>

namespace skin {

namespace {

// Walks the package front to back; every read checks the bytes left first.
class PackageCursor {
public:
    explicit PackageCursor(std::span<const std::uint8_t> data) : data_(data) {}

    [[nodiscard]] std::size_t offset() const { return offset_; }
    [[nodiscard]] std::span<const std::uint8_t> rest() const { return data_.subspan(offset_); }

    std::int32_t Int32(const char* what) {
        Need(4, what);
        const std::uint8_t* p = data_.data() + offset_;
        offset_ += 4;
        const std::uint32_t u = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                                (std::uint32_t(p[3]) << 24);
        return static_cast<std::int32_t>(u);
    }

    std::uint8_t Byte(const char* what) {
        Need(1, what);
        return data_[offset_++];
    }

    gfx::BmpImage Bitmap(const std::string& what) {
        const std::size_t start = offset_;
        if (start >= data_.size()) {
            throw SkinPackageError("skin package is truncated: " + what + " expected at byte " + std::to_string(start) +
                                   " but the package ends there");
        }
        try {
            std::size_t consumed = 0;
            gfx::BmpImage image = gfx::ReadBmp(rest(), &consumed);
            offset_ += consumed;
            return image;
        } catch (const gfx::ImageError& e) {
            throw SkinPackageError("skin package has a damaged " + what + " at byte " + std::to_string(start) + ": " +
                                   e.what());
        }
    }

private:
    void Need(std::size_t n, const char* what) const {
        if (data_.size() - offset_ < n) {
            throw SkinPackageError(std::string("skin package is truncated: ") + what + " expected at byte " +
                                   std::to_string(offset_) + " but only " + std::to_string(data_.size() - offset_) +
                                   " bytes are left");
        }
    }

    std::span<const std::uint8_t> data_;
    std::size_t offset_ = 0;
};

gfx::BmpImage ReadSlot(PackageCursor& in, const char* name) {
    const std::string what = std::string(name) + " slot";
    if (in.Byte(what.c_str()) != 0) return {};
    return in.Bitmap(std::string(name) + " bitmap");
}

std::string ZlibMessage(const z_stream& z, int code) {
    if (z.msg != nullptr) return z.msg;
    return "zlib error " + std::to_string(code);
}

}  // namespace

SkinPackage ReadSkinPackage(std::span<const std::uint8_t> package) {
    std::string_view text;
    SkinPackage out = ReadSkinBitmaps(package, text);
    out.lines = SplitLines(text);
    return out;
}

SkinPackage ReadSkinBitmaps(std::span<const std::uint8_t> package, std::string_view& text) {
    PackageCursor in(package);
    SkinPackage out;
    out.version = in.Int32("version");
    if (out.version > kNewestPackageVersion) {
        throw SkinVersionError("skin package version " + std::to_string(out.version) +
                               " is newer than this program can read (versions up to " +
                               std::to_string(kNewestPackageVersion) + ")");
    }
    const SlotLayout slots = SlotsForVersion(out.version);
    out.picture = ReadSlot(in, "picture");
    if (slots.inactivePicture) out.inactivePicture = ReadSlot(in, "inactive picture");
    out.mask = ReadSlot(in, "mask");
    if (slots.rollUp) {
        out.rollUpPicture = ReadSlot(in, "roll-up picture");
        out.rollUpMask = ReadSlot(in, "roll-up mask");
    }
    const std::int32_t count = in.Int32("picture count");
    for (std::int32_t i = 0; i < count; ++i) {
        out.activePictures.push_back(in.Bitmap("active picture " + std::to_string(i)));
    }
    const auto rest = in.rest();
    text = std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size());
    return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

PackageWriter::PackageWriter(std::int32_t version) { Int32(version); }

void PackageWriter::Slot(std::span<const std::uint8_t> bmp) {
    data_.push_back(bmp.empty() ? 1 : 0);
    Bytes(bmp);
}

void PackageWriter::PictureCount(std::int32_t count) { Int32(count); }

void PackageWriter::Picture(std::span<const std::uint8_t> bmp) { Bytes(bmp); }

void PackageWriter::Lines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        data_.insert(data_.end(), line.begin(), line.end());
        data_.push_back('\r');
        data_.push_back('\n');
    }
}

void PackageWriter::Bytes(std::span<const std::uint8_t> bytes) {
    data_.insert(data_.end(), bytes.begin(), bytes.end());
}

void PackageWriter::Int32(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) data_.push_back(static_cast<std::uint8_t>(u >> shift));
}

SkinBytes InflateSkin(std::span<const std::uint8_t> stream, std::size_t maxSize) {
    if (stream.empty()) throw SkinPackageError("compressed skin stream is empty");
    if (stream.size() > UINT_MAX) throw SkinPackageError("compressed skin stream is too large");
    z_stream z{};
    if (inflateInit(&z) != Z_OK) throw SkinPackageError("cannot start zlib inflate");
    z.next_in = const_cast<Bytef*>(stream.data());
    z.avail_in = static_cast<uInt>(stream.size());

    // Skins compress about twenty to one; start near that and double, so that the output
    // is moved only a few times.
    SkinBytes out(std::min(maxSize, std::max<std::size_t>(stream.size() * 32, 64 * 1024)));
    std::size_t used = 0;
    int code = Z_OK;
    while (code != Z_STREAM_END) {
        if (used == out.size()) {
            if (out.size() >= maxSize) {
                inflateEnd(&z);
                throw SkinPackageError("compressed skin stream inflates to more than " + std::to_string(maxSize) +
                                       " bytes; refusing it");
            }
            out.resize(std::min(maxSize, out.size() * 2));
        }
        const std::size_t room = std::min<std::size_t>(out.size() - used, UINT_MAX);
        z.next_out = out.data() + used;
        z.avail_out = static_cast<uInt>(room);
        code = inflate(&z, Z_NO_FLUSH);
        used += room - z.avail_out;
        if (code == Z_STREAM_END) break;
        if (code == Z_BUF_ERROR && z.avail_in == 0) code = Z_DATA_ERROR;
        if (code != Z_OK && code != Z_BUF_ERROR) {
            const std::string message = code == Z_DATA_ERROR && z.avail_in == 0 && z.msg == nullptr
                                            ? std::string("the stream ends before its end marker")
                                            : ZlibMessage(z, code);
            const std::size_t at = stream.size() - z.avail_in;
            inflateEnd(&z);
            throw SkinPackageError("compressed skin stream is damaged near byte " + std::to_string(at) + ": " +
                                   message);
        }
    }
    const std::size_t trailing = z.avail_in;
    inflateEnd(&z);
    if (trailing != 0) {
        throw SkinPackageError("compressed skin stream is followed by " + std::to_string(trailing) +
                               " unexpected bytes");
    }
    out.resize(used);
    return out;
}

std::vector<std::uint8_t> DeflateSkin(std::span<const std::uint8_t> data, int level) {
    if (data.size() > UINT_MAX) throw SkinPackageError("skin package is too large to compress");
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<std::uint8_t> out(size);
    const int code = compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level);
    if (code != Z_OK) throw SkinPackageError("cannot compress the skin package: zlib error " + std::to_string(code));
    out.resize(size);
    return out;
}

}  // namespace skin
