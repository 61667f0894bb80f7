// The skinned frame's system menu: its items for the window's icons and state, the skinned
// popup menu it opens in, and carrying out the item chosen.
#include "skin/frame/skin_form.h"
#include "skin/menu/menu_item.h"
#include "skin/menu/skin_menu.h"
#include "skin/menu/system_menu_tree.h"
#include "skin/skin_data.h"

namespace skin {

std::vector<SystemMenuItem> TspSkinForm::SystemMenuItems() const {
    if (!UseDefaultSysMenu || GetCompanion(Companion::SystemMenu)) return {};
    const TspSkinData* data = menusSkinData_ ? menusSkinData_ : skinData_;
    return BuildSystemMenu({borderIcons_, state_, rolledUp_}, data ? data->ResourceStrData() : nullptr);
}

void TspSkinForm::OpenSystemMenu(gfx::Point screen) {
    if (OnSkinMenuOpen) OnSkinMenuOpen(*this);
    const std::vector<SystemMenuItem> items = SystemMenuItems();
    if (OnPopupSystemMenu) {
        OnPopupSystemMenu(*this, screen, items);
        return;
    }
    PopupSystemMenu(screen, items);
}

void TspSkinForm::PopupSystemMenu(gfx::Point screen, const std::vector<SystemMenuItem>& items) {
    if (items.empty()) return;
    if (!systemMenu_) {
        systemMenuItems_ = std::make_unique<TMenuItem>();
        systemMenu_ = std::make_unique<TspSkinMenu>(form_);
    }
    // An open system menu still points into the items about to be rebuilt.
    systemMenu_->CloseMenu();
    TspSkinMenu& menu = *systemMenu_;
    menu.SetSkinData(menusSkinData_ ? menusSkinData_ : skinData_);
    menu.MaxMenuItemsInWindow = MaxMenuItemsInWindow;
    menu.UseSkinFontInMenu = UseSkinFontInMenu;
    menu.MenusAlphaBlend = MenusAlphaBlend;
    menu.MenusAlphaBlendValue = MenusAlphaBlendValue;
    menu.MenusAlphaBlendAnimation = MenusAlphaBlendAnimation;
    menu.DefMenuItemHeight = DefMenuItemHeight;
    menu.DefMenuItemFont = DefMenuItemFont;
    FillSystemMenu(*systemMenuItems_, items, *this);
    menu.Popup(nullptr, *systemMenuItems_, {screen.x, screen.y, screen.x, screen.y});
}

void TspSkinForm::ChooseSystemMenuItem(const SystemMenuItem& item) {
    if (item.Separator) return;
    if (item.Name != "SKF_RESTORE") {
        ExecuteCommand(item.Command);
    } else if (state_ != TspWindowState::Normal) {
        Restore();
    } else {
        SetRolledUp(false);
    }
}

}  // namespace skin
