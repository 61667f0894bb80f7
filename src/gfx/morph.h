#pragma once

#include <cstdint>

#include "gfx/bitmap.h"

namespace gfx {

// How a control fades from its normal to its active (hot) picture, in the skin's order.
enum class MorphKind : std::uint8_t { Default, Gradient, LeftGradient, RightGradient, LeftSlide, RightSlide, Push };

// One frame of the transition from normal (level 0) to active (level 1); level is clamped
// to 0..1. Both pictures must have the same size; otherwise the result is normal as it is.
// With W the width, every kind but Default moves by the extent e = round(W * level):
// - Default: every channel is (1 - level) * normal + level * active (BlendImages).
// - LeftGradient: columns 0..e show active; each column x right of them is normal mixed
//   with active by level * (W - x) / (W - e + 1), fading out towards the right edge.
// - RightGradient: the mirror image, the active picture growing from the right edge.
// - Gradient: a band of e columns in the middle, starting at (W - e) div 2, shows active;
//   the columns on either side fade out towards the edges as in LeftGradient.
// - LeftSlide: the last e columns of active slide in from the left over normal.
// - RightSlide: the first e columns of active slide in from the right over normal.
// - Push: as LeftSlide, and normal is pushed right by e columns at the same time.
// The result is opaque, as the effects' results are.
[[nodiscard]] Bitmap Morph(const Bitmap& normal, const Bitmap& active, double level, MorphKind kind);

}  // namespace gfx
