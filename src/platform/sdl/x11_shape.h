#pragma once

#include <optional>

#include "gfx/region.h"

struct SDL_Window;

namespace platform {

// Sets the window's outline through the X shape extension (nullopt: rectangular again).
// Does nothing when the window is not an X11 window. Kept apart because Xlib's macros
// clash with ordinary names.
void ApplyX11Shape(SDL_Window* window, const std::optional<gfx::Region>& outline);

}  // namespace platform
