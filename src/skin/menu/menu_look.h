#pragma once

#include <optional>

#include "gfx/bitmap.h"
#include "gfx/region.h"

namespace skin {

class TspDataSkinPopupWindow;
struct MenuItemLook;

// The skinned pictures of a menu level, composed from the popup and menu-item records.

// The popup frame picture composed to size by the nine-part composition, client part filled.
void ComposePopupFrame(gfx::Bitmap& image, const gfx::Bitmap& picture, const TspDataSkinPopupWindow& popup,
                       gfx::Size size);
// The level's outline from the popup's mask picture (black is inside).
[[nodiscard]] std::optional<gfx::Region> PopupOutline(const gfx::Bitmap& mask, const TspDataSkinPopupWindow& popup,
                                                      gfx::Size size);
// An item's background from the menu-item record at the image's size: the divider for a
// separator, the selected or the normal picture otherwise (frame of the animation when
// frame is not -1), with their fixed ends.
void DrawSkinnedItemBackground(gfx::Bitmap& image, const MenuItemLook& look, bool separator, bool selected, int frame);

}  // namespace skin
