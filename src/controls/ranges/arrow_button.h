#pragma once

#include "gfx/colour.h"
#include "gfx/painter.h"

namespace controls {

// Where an arrow on a button points.
enum class ArrowDirection { Up, Down, Left, Right };

// A button of the look without a skin: a one-pixel frame and a fill, navy on light blue
// while hot, navy on a darker blue while hot and pressed, button-shadow on button-face
// otherwise.
void DrawPlainButton(gfx::Painter& painter, const gfx::Rect& r, bool hot, bool pressed);

// A small filled triangle centred in r.
void DrawArrow(gfx::Painter& painter, const gfx::Rect& r, ArrowDirection direction, gfx::Color color);

}  // namespace controls
