#pragma once

#include "gallery_section.h"

namespace gallery {

// Push buttons: normal, hot, pressed, focused, disabled, with a glyph, grouped down, midway through
// the cross-fade.
int BuildButtonSection(SectionContext& ctx);
// Check and radio boxes, flat and framed: unchecked, checked, grayed, hot, disabled, focused,
// midway through the cross-fade.
int BuildCheckRadioSection(SectionContext& ctx);

}  // namespace gallery
