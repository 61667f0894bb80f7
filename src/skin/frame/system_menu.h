#pragma once

#include <string>
#include <vector>

#include "skin/definition/skin_enums.h"
#include "skin/frame/frame_types.h"

namespace skin {

class TspResourceStrData;

// One item of a skinned window's system menu; a separator has the name "-" and no command.
struct SystemMenuItem {
    std::string Name;
    std::string Caption;
    std::string ShortCut;
    bool Separator = false;
    // What choosing the item does; Default for the restore item, which undoes the state.
    TspCommand Command = TspCommand::Default;

    friend bool operator==(const SystemMenuItem&, const SystemMenuItem&) = default;
};

// What the window's state allows its system menu to offer.
struct SystemMenuState {
    TspBorderIcons icons = 0;
    TspWindowState state = TspWindowState::Normal;
    bool rolledUp = false;
    // A child window closes with Ctrl+F4 and, maximised, cannot roll up.
    bool mdiChild = false;
};

// The system menu's items for a window in that state: minimise, maximise, restore, roll-up and
// minimise-to-tray where allowed, a separator when any of them is there, and close with its
// shortcut. Captions come from the strings when given and holding the key, else the built-in
// English texts.
[[nodiscard]] std::vector<SystemMenuItem> BuildSystemMenu(const SystemMenuState& s, const TspResourceStrData* strings);

// The hint of a system button by its command, from the strings when given.
[[nodiscard]] std::string ButtonHint(TspCommand command, const TspResourceStrData* strings);

}  // namespace skin
