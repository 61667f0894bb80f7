#include <string>

#include "platform/form.h"
#include "sections/menu_sample_button.h"
#include "sections/sections.h"

namespace gallery {

namespace {

// Items per level before the menu pages, fewer than the sample holds so that it scrolls.
constexpr int kItemsInWindow = 10;

}  // namespace

MenuSampleButton::MenuSampleButton(skin::TspSkinData* skin) : skin_(skin) {
    root_.Add("&Открыть", "open").ShortCutText = "Ctrl+O";
    root_.Add("&Недоступный", "disabled").Enabled = false;
    root_.Add("-");
    root_.Add("-Вид-").Enabled = false;
    root_.Add("&Флажок", "checked").Checked = true;
    skin::TMenuItem& radio = root_.Add("&Переключатель", "radio");
    radio.Checked = radio.RadioItem = true;
    skin::TMenuItem& more = root_.Add("&Ещё", "more");
    more.Add("&Первый", "first");
    more.Add("&Второй", "second");
    root_.Add("-");
    for (int i = 1; i <= 8; ++i) root_.Add("Строка " + std::to_string(i), "row " + std::to_string(i));
    OnClick = [this](platform::Control&) { Open(); };
}

void MenuSampleButton::Open() {
    platform::Form* form = ParentForm();
    if (!form) return;
    if (!menu_) {
        menu_ = std::make_unique<skin::TspSkinMenu>(*form);
        menu_->SetSkinData(skin_);
        menu_->MaxMenuItemsInWindow = kItemsInWindow;
    }
    const gfx::Point at = ClientToScreen({0, 0});
    menu_->Popup(this, root_, {at.x, at.y, at.x + Width(), at.y + Height()});
}

int BuildMenuSection(SectionContext& ctx) {
    auto& button = ctx.Column.Make<MenuSampleButton>(ctx.Skin);
    button.SetBounds(8, ctx.Top, 140, 25);
    button.SetCaption("Открыть меню");
    Bind(button, ctx);
    return 25;
}

}  // namespace gallery
