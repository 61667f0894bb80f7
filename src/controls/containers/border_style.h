#pragma once

#include "gfx/painter.h"

namespace controls {

// The one-pixel border of a panel or label drawn without a skin section.
enum class TspBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

// Draws the border just inside r: the shadow colour all round for bvFrame, highlight then shadow
// for bvRaised, shadow then highlight for bvLowered, nothing for bvNone.
void DrawBorder(gfx::Painter& painter, const gfx::Rect& r, TspBorderStyle style);

}  // namespace controls
