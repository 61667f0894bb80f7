#include "skin/frame/system_menu.h"

#include "skin/resource_str_data.h"

namespace skin {

namespace {

std::string Text(const TspResourceStrData* strings, std::string_view key, std::string_view builtIn) {
    // A string list without the key would leave the item or hint blank: the built-in text stands in.
    if (strings) {
        std::string text = strings->GetResStr(key);
        if (!text.empty()) return text;
    }
    return std::string(builtIn);
}

}  // namespace

std::vector<SystemMenuItem> BuildSystemMenu(const SystemMenuState& s, const TspResourceStrData* strings) {
    std::vector<SystemMenuItem> items;
    const bool minimized = s.state == TspWindowState::Minimized;
    const bool maximized = s.state == TspWindowState::Maximized;
    if ((s.icons & biMinimize) && !minimized)
        items.push_back({"SKF_MINITEM", Text(strings, "MI_MINCAPTION", "Mi&nimize"), "", false, TspCommand::Minimize});
    if ((s.icons & biMaximize) && !maximized)
        items.push_back({"SKF_MAXITEM", Text(strings, "MI_MAXCAPTION", "Ma&ximize"), "", false, TspCommand::Maximize});
    if (minimized || maximized || s.rolledUp)
        items.push_back(
            {"SKF_RESTORE", Text(strings, "MI_RESTORECAPTION", "&Restore"), "", false, TspCommand::Default});
    if ((s.icons & biRollUp) && !s.rolledUp && !minimized && !(maximized && s.mdiChild))
        items.push_back({"SKF_ROLLUP", Text(strings, "MI_ROLLUPCAPTION", "Ro&llUp"), "", false, TspCommand::RollUp});
    if (s.icons & biMinimizeToTray)
        items.push_back({"SKF_MINTOTRAY", Text(strings, "MI_MINTOTRAYCAPTION", "Minimize to &Tray"), "", false,
                         TspCommand::MinimizeToTray});
    if (!items.empty()) items.push_back({"-", "-", "", true, TspCommand::Default});
    items.push_back({"SKF_CLOSE", Text(strings, "MI_CLOSECAPTION", "&Close"), s.mdiChild ? "Ctrl+F4" : "Alt+F4", false,
                     TspCommand::Close});
    return items;
}

std::string ButtonHint(TspCommand command, const TspResourceStrData* strings) {
    switch (command) {
        case TspCommand::Close:
            return Text(strings, "CLOSEBUTTON_HINT", "Close");
        case TspCommand::Maximize:
            return Text(strings, "MAXBUTTON_HINT", "Maximize");
        case TspCommand::Minimize:
            return Text(strings, "MINBUTTON_HINT", "Minimize");
        case TspCommand::SysMenu:
            return Text(strings, "MENUBUTTON_HINT", "System menu");
        case TspCommand::RollUp:
            return Text(strings, "ROLLUPBUTTON_HINT", "Roll Up");
        case TspCommand::MinimizeToTray:
            return Text(strings, "TRAYBUTTON_HINT", "Minimize to Tray");
        default:
            return {};
    }
}

}  // namespace skin
