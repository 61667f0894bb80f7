#pragma once

#include "controls/containers/tab_layout.h"
#include "gfx/bitmap.h"
#include "skin/records/data_skin_control_containers.h"

namespace controls {

// The picture of the selected tab; the tab picture when the section leaves it empty.
[[nodiscard]] gfx::Rect ActiveTabSource(const skin::TspDataSkinTabControl& section);
// The picture of the selected tab of a focused control; the selected tab's when empty.
[[nodiscard]] gfx::Rect FocusTabSource(const skin::TspDataSkinTabControl& section);
// The picture a tab in this state is drawn from: hot (when the section has a hot picture),
// selected and focused, selected, or plain.
[[nodiscard]] gfx::Rect TabSource(const skin::TspDataSkinTabControl& section, bool hot, bool selected, bool focused);
// How much taller than the others the selected tab is drawn.
[[nodiscard]] int SelectedTabGrowth(const skin::TspDataSkinTabControl& section, bool focused);

// Composes a tab's picture as for a top strip, length wide. Without a fixed tab height the source
// keeps its height and its middle is stretched or tiled between the section's tab offsets; with
// one the source is stretched in nine parts to that height (a selected tab grown by
// SelectedTabGrowth).
[[nodiscard]] gfx::Bitmap ComposeTabImage(const gfx::Bitmap& picture, const skin::TspDataSkinTabControl& section,
                                          const gfx::Rect& source, int length, int fixedTabHeight, bool selected,
                                          bool focused);

// Turns a top strip's picture to face the page from the given side: flipped for bottom tabs,
// turned a quarter for side tabs so that the edge away from the page stays away from it.
[[nodiscard]] gfx::Bitmap OrientTabImage(const gfx::Bitmap& image, TabPosition position);

}  // namespace controls
