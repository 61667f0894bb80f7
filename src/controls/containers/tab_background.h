#pragma once

#include "gfx/painter.h"
#include "skin/compose/skin_geometry.h"
#include "skin/records/data_skin_control_containers.h"
#include "skin/skin_data.h"

namespace controls {

// The nine-part layout of a page control's section (its record is not a framed-control record).
[[nodiscard]] skin::SkinGeometry TabGeometry(const skin::TspDataSkinTabControl& section);

// Lays a page control's page background over area, shown only where it meets clip: the section's
// background picture when it has one, else the client part of its picture, stretched (wholly, or
// one way and tiled the other, by its stretch type) with the section's stretch effect, otherwise
// tiled from area's top-left corner.
void PaintTabBackground(gfx::Painter& painter, const skin::TspSkinData& skinData,
                        const skin::TspDataSkinTabControl& section, const gfx::Rect& area, const gfx::Rect& clip);

}  // namespace controls
