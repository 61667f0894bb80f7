#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace skin {

// A skin definition that cannot be built into a package: a required section is missing,
// a bitmap file is missing or unreadable. The message names the file.
class SkinBuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds a version-2 package from a skin definition file and the BMP files named in its
// [PICTURES] section, which lie in the same folder. The definition must have the sections
// VERSION, PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS.
[[nodiscard]] std::vector<std::uint8_t> BuildSkinPackage(const std::filesystem::path& definition);

// The same package compressed at level 9, ready for a stored skin.
[[nodiscard]] std::vector<std::uint8_t> BuildCompressedSkin(const std::filesystem::path& definition);

}  // namespace skin
