#pragma once

#include "controls/buttons/skin_button.h"
#include "controls/ranges/skin_track_bar.h"
#include "platform/label.h"
#include "ui/dialog_form.h"

namespace ui {

// The bottle-return dialog "Сдаем бутылки": a slider of how many empties to hand in, one
// rouble each. It stays open while bottles are left and keeps its slider between openings.
class TForm4 : public DialogForm {
public:
    TForm4(platform::Application& app, Program& program);

    // "Сколько бутылок сдать?".
    platform::TLabel& Label1;
    // How many bottles, 1 to the bottles held.
    controls::TspSkinTrackBar& spSkinTrackBar1;
    // The chosen number.
    platform::TLabel& Label2;
    // The rate.
    platform::TLabel& Label3;
    // "Сдать".
    controls::TspSkinButton& spSkinButton1;

    // Runs each time the dialog goes from hidden to visible: the slider reaches up to the bottles held.
    void FormShow() override;
    // The slider moved: the number follows.
    void spSkinTrackBar1Change();
    // "Сдать".
    void spSkinButton1Click();
};

}  // namespace ui
