#pragma once

#include <vector>

#include "skin/frame/system_menu.h"

namespace skin {

class TMenuItem;
class TspSkinForm;

// Fills root afresh with a window's system-menu items as a menu whose items carry out their
// commands through the window's frame, which must outlive them.
void FillSystemMenu(TMenuItem& root, const std::vector<SystemMenuItem>& items, TspSkinForm& frame);

}  // namespace skin
