#pragma once

#include "controls/buttons/skin_button.h"
#include "controls/ranges/skin_track_bar.h"
#include "platform/label.h"
#include "ui/dialog_form.h"

namespace ui {

// The heal dialog "Лечить": vitamins and injections (caption, slider up to the stock held,
// amount) and "Лечить", which takes the chosen amounts and closes the dialog.
class TForm8 : public DialogForm {
public:
    TForm8(platform::Application& app, Program& program);

    // Vitamins.
    platform::TLabel& Label1;
    controls::TspSkinTrackBar& spSkinTrackBar1;
    platform::TLabel& Label3;
    // Injections.
    platform::TLabel& Label2;
    controls::TspSkinTrackBar& spSkinTrackBar2;
    platform::TLabel& Label4;
    // "Лечить".
    controls::TspSkinButton& spSkinButton1;

    // Runs each time the dialog goes from hidden to visible: both rows from the stock held.
    void FormShow() override;
    // A slider moved: its amount label follows.
    void spSkinTrackBar1Change();
    void spSkinTrackBar2Change();
    // "Лечить".
    void spSkinButton1Click();
};

}  // namespace ui
