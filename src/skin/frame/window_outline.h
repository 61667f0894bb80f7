#pragma once

#include <optional>

#include "gfx/region.h"
#include "skin/frame/frame_geometry.h"

namespace skin {

class TspSkinData;

// The outline of a skinned window of the geometry's size: the mask area as a whole, united
// with the black pixels of the mask's four border strips (cut as the frame picture is, but
// always repeated, never stretched), each at its place. nullopt, the full rectangle, when
// the skin has no mask.
[[nodiscard]] std::optional<gfx::Region> BuildWindowOutline(const TspSkinData& skin, const FrameGeometry& geometry);

}  // namespace skin
