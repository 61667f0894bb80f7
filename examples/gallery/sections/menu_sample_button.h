#pragma once

#include <memory>

#include "controls/buttons/skin_button.h"
#include "skin/menu/menu_item.h"
#include "skin/menu/skin_menu.h"

namespace gallery {

// A button that opens a menu of every item kind below itself; it owns the menu and its items.
class MenuSampleButton : public controls::TspSkinButton {
public:
    explicit MenuSampleButton(skin::TspSkinData* skin);

    // Opens the sample menu below the button.
    void Open();
    // The menu, once opened.
    [[nodiscard]] skin::TspSkinMenu* Menu() const { return menu_.get(); }

private:
    skin::TspSkinData* skin_;
    // The menu goes first: its open levels point into the items.
    skin::TMenuItem root_;
    std::unique_ptr<skin::TspSkinMenu> menu_;
};

}  // namespace gallery
