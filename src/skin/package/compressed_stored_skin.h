#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "platform/component.h"

namespace skin {

// Holds one skin as a zlib-compressed package; an empty buffer means it holds no skin.
// The program fills it from embedded data; tools fill it from files.
class TspCompressedStoredSkin : public platform::Component {
public:
    explicit TspCompressedStoredSkin(platform::Component* owner = nullptr) : platform::Component(owner) {}

    std::string Description;
    // Only the names of the files the data came from; setting them reads nothing.
    std::string FileName;
    std::string CompressedFileName;

    // The compressed stream.
    [[nodiscard]] std::span<const std::uint8_t> Data() const { return data_; }
    // Whether it holds no skin.
    [[nodiscard]] bool IsEmpty() const { return data_.empty(); }
    // Replaces the compressed stream.
    void SetData(std::span<const std::uint8_t> stream) { data_.assign(stream.begin(), stream.end()); }
    // Drops the skin it holds.
    void Clear() { data_.clear(); }

    // Reads a compressed skin file into the buffer and keeps its name without the folder.
    // On failure the buffer and the name stay as they were.
    void LoadFromCompressedFile(const std::filesystem::path& path);
    // Builds a package from a skin definition file and its bitmaps, compresses it into the
    // buffer and keeps the file's name without the folder. On failure nothing changes.
    void LoadFromSkinFile(const std::filesystem::path& definition);

private:
    std::vector<std::uint8_t> data_;
};

}  // namespace skin
