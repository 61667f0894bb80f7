#include <iostream>
#include <memory>
#include <string>

#include "platform/application.h"
#include "platform/button.h"
#include "platform/label.h"
#include "platform/sdl/sdl_backend.h"
#include "skin/frame/skin_form.h"
#include "skin/menu/menu_item.h"
#include "skin/menu/skin_menu.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace {

// A skinned window with a button that opens a menu of every item kind; a right click on its
// caption opens its system menu. The label tells which item ran.
class MenuWindow : public platform::Form {
public:
    explicit MenuWindow(platform::Application& app)
        : Form(app), skinData_(Own<skin::TspSkinData>(this)), menu_(Own<skin::TspSkinMenu>(*this)) {
        SetCaption("Menu");
        SetBounds(200, 150, 360, 240);
        skinData_.LoadCompressedStream(skin::DefaultSkinData());
        menu_.SetSkinData(&skinData_);
        auto& frame = Own<skin::TspSkinForm>(this);
        frame.SetBorderIcons(skin::biMinimize);
        frame.SetSkinData(&skinData_);
        button_ = &Make<platform::TButton>();
        button_->SetBounds(20, 20, 100, 25);
        button_->SetCaption("&Menu");
        button_->OnClick = [this](platform::TButton&) {
            const gfx::Point at = button_->ClientToScreen({0, button_->Height()});
            menu_.Popup(button_, items_, {at.x, at.y - button_->Height(), at.x + button_->Width(), at.y});
        };
        label_ = &Make<platform::TLabel>();
        label_->SetBounds(20, 60, 300, 20);
        label_->SetCaption("Right-click the caption for the system menu.");
        BuildItems();
    }

private:
    void BuildItems() {
        items_.Add("&Open", "open").ShortCutText = "Ctrl+O";
        items_.Add("&Disabled", "disabled").Enabled = false;
        items_.Add("-");
        items_.Add("-Options-").Enabled = false;
        items_.Add("&Checked", "checked").Checked = true;
        skin::TMenuItem& radio = items_.Add("&Radio", "radio");
        radio.Checked = radio.RadioItem = true;
        skin::TMenuItem& more = items_.Add("&More", "more");
        for (int i = 1; i <= 40; ++i) more.Add("Entry " + std::to_string(i), "entry " + std::to_string(i));
        items_.Add("-");
        items_.Add("E&xit", "exit").OnClick = [this](skin::TMenuItem&) { Close(); };
        Report(items_);
    }
    // Every item without its own handler writes its name into the label.
    void Report(skin::TMenuItem& parent) {
        for (const auto& item : parent.Items()) {
            if (!item->OnClick)
                item->OnClick = [this](skin::TMenuItem& sender) { label_->SetCaption("Chosen: " + sender.Name); };
            Report(*item);
        }
    }

    skin::TspSkinData& skinData_;
    skin::TspSkinMenu& menu_;
    platform::TButton* button_ = nullptr;
    platform::TLabel* label_ = nullptr;
    skin::TMenuItem items_;
};

}  // namespace

int main() {
    try {
        platform::Application app(std::make_unique<platform::SdlBackend>());
        app.SetTitle("Burdomir");
        app.CreateForm<MenuWindow>();
        app.Run();
    } catch (const std::exception& e) {
        std::cerr << "burdomir_menu: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
