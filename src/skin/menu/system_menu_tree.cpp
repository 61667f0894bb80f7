#include "skin/menu/system_menu_tree.h"

#include "skin/frame/skin_form.h"
#include "skin/menu/menu_item.h"

namespace skin {

void FillSystemMenu(TMenuItem& root, const std::vector<SystemMenuItem>& items, TspSkinForm& frame) {
    root.Clear();
    for (const SystemMenuItem& entry : items) {
        if (entry.Separator) {
            root.Add("-");
            continue;
        }
        TMenuItem& item = root.Add(entry.Caption, entry.Name);
        item.ShortCutText = entry.ShortCut;
        item.OnClick = [entry, form = &frame](TMenuItem&) { form->ChooseSystemMenuItem(entry); };
    }
}

}  // namespace skin
