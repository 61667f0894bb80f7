#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace skin {

// The version written into compressed skin files.
inline constexpr std::int32_t kSknFileVersion = 2;

// Takes the zlib stream out of a compressed skin file image (32-bit version, 32-bit length,
// that many bytes of stream). Throws SkinVersionError for a version above the newest
// package layout and SkinPackageError when the image is shorter than it says.
[[nodiscard]] std::vector<std::uint8_t> ParseSkn(std::span<const std::uint8_t> file);

// The compressed skin file image holding a zlib stream.
[[nodiscard]] std::vector<std::uint8_t> FormatSkn(std::span<const std::uint8_t> stream);

// File forms of the two above; I/O failures throw std::runtime_error naming the path.
[[nodiscard]] std::vector<std::uint8_t> ReadSknFile(const std::filesystem::path& path);
void WriteSknFile(const std::filesystem::path& path, std::span<const std::uint8_t> stream);

// Whole-file helpers shared by the skin file readers and the builder.
[[nodiscard]] std::vector<std::uint8_t> ReadBinaryFile(const std::filesystem::path& path);
void WriteBinaryFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace skin
