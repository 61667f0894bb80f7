#pragma once

#include <string_view>

#include "gfx/painter.h"

namespace skin {

// The small built-in pictures of menu items, drawn in one colour centred in a rectangle.
enum class MenuGlyph { None, SubmenuArrow, Check, Radio, Close, Minimize, Maximize, Restore, RollUp, MinimizeToTray };

// The glyph of a system-menu command item by the item's name ("SKF_CLOSE", ...), or None.
[[nodiscard]] MenuGlyph SystemCommandGlyph(std::string_view itemName);

void DrawMenuGlyph(gfx::Painter& painter, MenuGlyph glyph, const gfx::Rect& box, gfx::Pixel color);

// A scroll marker's arrow, pointing up or down, centred in box.
void DrawScrollArrow(gfx::Painter& painter, bool up, const gfx::Rect& box, gfx::Pixel color);

}  // namespace skin
