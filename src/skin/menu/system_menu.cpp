#include "skin/menu/system_menu.h"

#include <string>

#include "skin/menu/menu_item.h"
#include "skin/resource_str_data.h"

namespace skin {

namespace {

std::string CaptionOf(const TspResourceStrData* strings, const char* key, const char* builtIn) {
    // A string list without the key would leave the item blank: the built-in text stands in.
    if (strings) {
        std::string text = strings->GetResStr(key);
        if (!text.empty()) return text;
    }
    return builtIn;
}

void AddCommand(TMenuItem& root, const char* name, std::string caption, const std::function<void()>& command) {
    TMenuItem& item = root.Add(std::move(caption), name);
    item.OnClick = [command](TMenuItem&) {
        if (command) command();
    };
}

}  // namespace

void BuildSystemMenu(TMenuItem& root, const SystemMenuState& s, const TspResourceStrData* strings,
                     const SystemMenuCommands& commands) {
    root.Clear();
    if (s.minimizeIcon && !s.minimized)
        AddCommand(root, "SKF_MINITEM", CaptionOf(strings, "MI_MINCAPTION", "Mi&nimize"), commands.minimize);
    if (s.maximizeIcon && !s.maximized)
        AddCommand(root, "SKF_MAXITEM", CaptionOf(strings, "MI_MAXCAPTION", "Ma&ximize"), commands.maximize);
    if (s.minimized || s.maximized || s.rolledUp)
        AddCommand(root, "SKF_RESTORE", CaptionOf(strings, "MI_RESTORECAPTION", "&Restore"), commands.restore);
    if (s.rollUpIcon && !s.rolledUp && !s.minimized && !(s.maximized && s.mdiChild))
        AddCommand(root, "SKF_ROLLUP", CaptionOf(strings, "MI_ROLLUPCAPTION", "Ro&llUp"), commands.rollUp);
    if (s.minimizeToTrayIcon)
        AddCommand(root, "SKF_MINTOTRAY", CaptionOf(strings, "MI_MINTOTRAYCAPTION", "Minimize to &Tray"),
                   commands.minimizeToTray);
    if (root.Count() > 0) root.Add("-");
    AddCommand(root, "SKF_CLOSE", CaptionOf(strings, "MI_CLOSECAPTION", "&Close"), commands.close);
    root.Items().back()->ShortCutText = s.mdiChild ? "Ctrl+F4" : "Alt+F4";
}

}  // namespace skin
