#include "skin/package/skn_file.h"

#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string>

#include "skin/package/skin_package.h"

namespace skin {

namespace {

std::int32_t ReadInt32(std::span<const std::uint8_t> bytes) {
    return static_cast<std::int32_t>(std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                                     (std::uint32_t(bytes[2]) << 16) | (std::uint32_t(bytes[3]) << 24));
}

void AppendInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(u >> shift));
}

}  // namespace

std::vector<std::uint8_t> ParseSkn(std::span<const std::uint8_t> file) {
    if (file.size() < 8) {
        throw SkinPackageError("compressed skin file is too short: " + std::to_string(file.size()) +
                               " bytes, the header alone takes 8");
    }
    const std::int32_t version = ReadInt32(file);
    if (version > kNewestPackageVersion) {
        throw SkinVersionError("compressed skin file version " + std::to_string(version) +
                               " is newer than this program can read (versions up to " +
                               std::to_string(kNewestPackageVersion) + ")");
    }
    const std::int32_t length = ReadInt32(file.subspan(4));
    if (length < 0 || static_cast<std::size_t>(length) > file.size() - 8) {
        throw SkinPackageError("compressed skin file is truncated: its header announces " + std::to_string(length) +
                               " bytes of data but " + std::to_string(file.size() - 8) + " follow");
    }
    const auto stream = file.subspan(8, static_cast<std::size_t>(length));
    return {stream.begin(), stream.end()};
}

std::vector<std::uint8_t> FormatSkn(std::span<const std::uint8_t> stream) {
    if (stream.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw SkinPackageError("compressed skin stream is too large for a compressed skin file");
    }
    std::vector<std::uint8_t> out;
    out.reserve(stream.size() + 8);
    AppendInt32(out, kSknFileVersion);
    AppendInt32(out, static_cast<std::int32_t>(stream.size()));
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

std::vector<std::uint8_t> ReadSknFile(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> file = ReadBinaryFile(path);
    try {
        return ParseSkn(file);
    } catch (const SkinVersionError& e) {
        throw SkinVersionError(path.string() + ": " + e.what());
    } catch (const SkinPackageError& e) {
        throw SkinPackageError(path.string() + ": " + e.what());
    }
}

void WriteSknFile(const std::filesystem::path& path, std::span<const std::uint8_t> stream) {
    WriteBinaryFile(path, FormatSkn(stream));
}

std::vector<std::uint8_t> ReadBinaryFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string() + " for reading");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw std::runtime_error("cannot read " + path.string());
    return bytes;
}

void WriteBinaryFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot open " + path.string() + " for writing");
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace skin
