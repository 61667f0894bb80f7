#pragma once

#include "gallery_section.h"

namespace gallery {

// Push buttons: normal, hot, pressed, focused, disabled, with a glyph, grouped down, midway through
// the cross-fade, of a free size.
int BuildButtonSection(SectionContext& ctx);
// Check and radio boxes, flat and framed: unchecked, checked, grayed, hot, disabled, focused,
// midway through the cross-fade.
int BuildCheckRadioSection(SectionContext& ctx);
// Track bars: at the minimum, the middle and the maximum, focused (the active thumb) and dragged.
int BuildTrackBarSection(SectionContext& ctx);
// Up-downs side by side and stacked at the skin's size, and at a free size from "resizebutton":
// at rest, with the up button hot and with the down button pressed.
int BuildUpDownSection(SectionContext& ctx);
// Edits: empty, with text, a selection, focused, disabled, read-only, and in a font of its own.
int BuildEditSection(SectionContext& ctx);

}  // namespace gallery
