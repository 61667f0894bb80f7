#pragma once

#include <string>
#include <string_view>

#include "gfx/font.h"
#include "gfx/geometry.h"
#include "platform/label.h"

namespace controls {

// How a skin label treats a caption wider than its text area.
enum class TspEllipsType { spetNoneEllips, spetEllips };

// The caption as a label shows it in width pixels: whole, or with spetEllips shortened from the
// end until it fits followed by "..." (only "..." when nothing fits).
[[nodiscard]] std::string LabelText(const gfx::Font& font, std::string_view caption, int width, TspEllipsType ellips);

// Where a line of text textWidth wide and textHeight high starts in area: vertically centred and
// placed left, right or centred.
[[nodiscard]] gfx::Point LabelTextOrigin(const gfx::Rect& area, int textWidth, int textHeight,
                                         platform::Alignment alignment);

}  // namespace controls
