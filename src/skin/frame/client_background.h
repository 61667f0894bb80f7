#pragma once

#include "gfx/painter.h"

namespace skin {

class TspSkinData;

// Fills a skinned window's client area (painter at the client origin) from the skin: the
// frame picture's client piece, or the background picture the skin names, repeated or
// stretched as the skin says; the button-face colour when the skin has no client piece.
void PaintClientBackground(gfx::Painter& painter, gfx::Size client, const TspSkinData& skin);

}  // namespace skin
