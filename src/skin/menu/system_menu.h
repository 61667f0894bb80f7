#pragma once

#include <functional>

namespace skin {

class TMenuItem;
class TspResourceStrData;

// What a window's system menu offers: the frame icons it allows and its state now.
struct SystemMenuState {
    bool minimizeIcon = false;
    bool maximizeIcon = false;
    bool rollUpIcon = false;
    bool minimizeToTrayIcon = false;
    bool minimized = false;
    bool maximized = false;
    bool rolledUp = false;
    bool mdiChild = false;
};

// The window commands the system menu's items carry out.
struct SystemMenuCommands {
    std::function<void()> restore;
    std::function<void()> minimize;
    std::function<void()> maximize;
    std::function<void()> rollUp;
    std::function<void()> minimizeToTray;
    std::function<void()> close;
};

// Fills root afresh with the system menu for this state: minimize, maximize, restore,
// roll-up and minimize-to-tray where allowed, a separator when any of them is there, and
// close with its shortcut. Captions come from strings (when given and holding the key) or
// the built-in English texts.
void BuildSystemMenu(TMenuItem& root, const SystemMenuState& state, const TspResourceStrData* strings,
                     const SystemMenuCommands& commands);

}  // namespace skin
