#pragma once

#include <string_view>

namespace gfx {

// The family to ask fontconfig for when a window names logicalName: the platform families
// the windows and skins were designed with map to installed metric-compatible ones; any
// other name is passed on as it is, for fontconfig's best match.
[[nodiscard]] std::string_view FontconfigFamily(std::string_view logicalName);

}  // namespace gfx
