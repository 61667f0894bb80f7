#pragma once

#include <cstdint>

#include "platform/input.h"

namespace platform {

// Our key for an SDL key code; Key::None for keys we do not use.
[[nodiscard]] Key KeyFromSdl(std::int32_t sdlKey);
// The modifier part of our shift state for SDL's modifier bits.
[[nodiscard]] unsigned ShiftFromSdlMods(std::uint16_t mods);
// The held-button part of our shift state for SDL's button mask.
[[nodiscard]] unsigned ShiftFromSdlButtons(std::uint32_t mask);

}  // namespace platform
