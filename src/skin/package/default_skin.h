#pragma once

#include <cstdint>
#include <span>

namespace skin {

// The compressed stream of the program's own skin, packed from assets/skin at build time;
// empty when the build had no skin to pack.
[[nodiscard]] std::span<const std::uint8_t> DefaultSkinData();

}  // namespace skin
