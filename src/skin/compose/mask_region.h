#pragma once

#include <optional>

#include "gfx/bitmap.h"
#include "gfx/region.h"
#include "skin/compose/skin_geometry.h"

namespace skin {

// The pure black pixels (red, green and blue all 0) of part of mask as a region, moved so that the
// part's top-left corner lands on offset. Rows are scanned into runs; the run list grows with the
// mask, so a mask of any detail keeps every run.
[[nodiscard]] gfx::Region MaskToRegion(const gfx::Bitmap& mask, const gfx::Rect& part, gfx::Point offset);

// The outline of a control or window of width x height from its mask picture (laid out like the
// picture by g, resized to r): a fixed picture's mask as it is; otherwise the mask's border strips,
// each converted at its place, united with the whole resized client rectangle. No outline (nullopt)
// without a mask, without a mode, or when the resized anchors cross.
[[nodiscard]] std::optional<gfx::Region> MaskRegion(const gfx::Bitmap& mask, const gfx::Rect& source,
                                                    const SkinGeometry& g, const ResizedGeometry& r, ResizeMode mode,
                                                    int width, int height);

}  // namespace skin
