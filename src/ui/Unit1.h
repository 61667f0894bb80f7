#pragma once

#include <string>

#include "controls/buttons/skin_button.h"
#include "controls/labels/skin_label.h"
#include "controls/text/skin_edit.h"
#include "platform/form.h"
#include "platform/label.h"
#include "skin/frame/skin_form.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/skin_data.h"

namespace ui {

class Program;

// The start window: the program's first and principal window. It holds the one skin every
// window draws from and asks the player to name the drunkard; an accepted name hides it for
// good and shows the main window.
class TForm1 : public platform::Form {
public:
    TForm1(platform::Application& app, Program& program);

    // Draws the prompt, once per run.
    void FormCreate() override;

    // The stored skin and the skin data loading it, shared by all ten windows.
    skin::TspCompressedStoredSkin& spCompressedStoredSkin1;
    skin::TspSkinData& spSkinData1;

    // The accepted name exactly as typed; empty until a name is accepted.
    std::string PlayerName;

    skin::TspSkinForm& spSkinForm1;          // the skinned frame: minimise only, fixed size
    controls::TspSkinLabel& spSkinLabel1;    // the prompt
    controls::TspSkinEdit& spSkinEdit1;      // the name being typed
    controls::TspSkinButton& spSkinButton1;  // "Начать игру", also pressed by Enter
    platform::TLabel& Label1;                // the goal of the game

    // "Начать игру": refuses an empty or an over-long name, or accepts it and hands over to
    // the main window.
    void spSkinButton1Click();

private:
    Program& program_;
};

}  // namespace ui
