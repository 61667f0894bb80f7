#pragma once

#include "controls/containers/skin_page_control.h"
#include "controls/images/png_image_list.h"
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
// A button that opens a menu of every item kind: a shortcut, a disabled item, a separator, a
// titled separator, checked and radio items, a submenu, and enough items to scroll.
int BuildMenuSection(SectionContext& ctx);

// Group boxes: a captioned one with a label inside, a checked and an unchecked check-mode box.
int BuildGroupBoxSection(SectionContext& ctx);
// Skin labels (left, centred, right, shortened with "...", sized to the caption, disabled) and a
// link label.
int BuildLabelSection(SectionContext& ctx);
// A five-tab page control too narrow for its tabs.
int BuildPageControlSection(SectionContext& ctx);

// The main window's notebook at its size (513 x 353) with its five tabs: every game picture enabled on
// "Ресурсы" and disabled on "Магазин", the portrait and labels on "Тушка", group boxes, pictures and a
// link on "Город" and "Рынок". "Тушка" is on top.
controls::TspSkinPageControl& BuildNotebook(platform::WinControl& parent, skin::TspSkinData* skin,
                                            controls::TspPngImageList& pictures, controls::TspPngImageList& portrait,
                                            gfx::Point at);

}  // namespace gallery
