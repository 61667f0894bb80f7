// A window with two skinned edits for the end-to-end check: the upper one as the start
// window has it (its own 16-pixel Arial), the lower one in the skin's font. Every change
// of either is printed as "<name>: <text>" so the script can read what the edits hold.

#include <iostream>
#include <memory>

#include "controls/text/skin_edit.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/sdl/sdl_backend.h"
#include "skin/package/default_skin.h"
#include "skin/skin_data.h"

namespace {

class EditWindow : public platform::Form {
public:
    explicit EditWindow(platform::Application& app) : platform::Form(app) {
        SetCaption("Проверка поля");
        BorderStyle = platform::BorderStyle::Dialog;
        skin_.LoadCompressedStream(skin::DefaultSkinData());
        SetClientSize(300, 100);
        Position = platform::FormPosition::Designed;
        SetBounds(100, 100, Width(), Height());
        Add("upper", 20, false);
        Add("lower", 60, true);
    }

private:
    void Add(const char* name, int top, bool skinFont) {
        auto& edit = Make<controls::TspSkinEdit>();
        edit.SetSkinData(&skin_);
        edit.UseSkinFont = skinFont;
        if (!skinFont) edit.SetDefaultFont({"Arial", -16, 0, gfx::clBlack});
        edit.SetBounds(20, top, 260, 20);
        edit.SetMaxLength(35);
        edit.OnChange = [name, &edit](platform::Control&) { std::cout << name << ": " << edit.Text() << std::endl; };
    }

    skin::TspSkinData skin_;
};

}  // namespace

int main() {
    try {
        platform::Application app(std::make_unique<platform::SdlBackend>());
        app.SetTitle("Burdomir");
        app.CreateForm<EditWindow>();
        app.Run();
    } catch (const std::exception& e) {
        std::cerr << "edit_e2e_window: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
