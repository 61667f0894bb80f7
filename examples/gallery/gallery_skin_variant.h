#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gallery {

// One key of our skin's definition to give another value.
struct SkinKeyChange {
    std::string Section;
    std::string Key;
    std::string Value;
};

// Our skin's compressed stream with some keys changed (each must already be in its section), for
// showing and testing what our skin itself does not use: cross-fades, frame animations.
[[nodiscard]] std::vector<std::uint8_t> DefaultSkinWith(const std::vector<SkinKeyChange>& changes);

}  // namespace gallery
