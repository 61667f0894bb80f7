#pragma once

#include "gfx/painter.h"
#include "skin/compose/skin_geometry.h"

namespace skin {

// Makes image width x height from the nine parts of source (a rectangle of picture laid out by g):
// the four edges stretched or tiled between the resized anchors, the eight corner pieces copied as
// they are, and, when drawClient, the client area filled by FillClientArea. An empty picture or
// anchors that leave no middle (RightBottom level with LeftTop in x or y) leave the image blank.
void ComposeFrameImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const gfx::Rect& source, const SkinGeometry& g,
                       const ResizedGeometry& r, int width, int height, bool drawClient);

// Fills the resized client rectangle from the client part of source: stretched (wholly, or to the
// client height and tiled across, or to the client width and tiled down, by g.StretchType) when
// g.StretchEffect is set, tiled from its top-left corner otherwise.
void FillClientArea(gfx::Painter& painter, const gfx::Bitmap& picture, const gfx::Rect& source, const SkinGeometry& g,
                    const gfx::Rect& resizedClient);

}  // namespace skin
