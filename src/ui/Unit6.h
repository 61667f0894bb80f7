#pragma once

#include "controls/buttons/skin_button.h"
#include "controls/ranges/skin_track_bar.h"
#include "platform/label.h"
#include "ui/dialog_form.h"

namespace ui {

// The drink dialog "Выпить": one row per drink (caption, slider up to the stock held, amount)
// and "Пить!", which drinks the chosen amounts and closes the dialog.
class TForm6 : public DialogForm {
public:
    TForm6(platform::Application& app, Program& program);

    // Beer.
    platform::TLabel& Label1;
    controls::TspSkinTrackBar& spSkinTrackBar1;
    platform::TLabel& Label5;
    // Wine.
    platform::TLabel& Label2;
    controls::TspSkinTrackBar& spSkinTrackBar2;
    platform::TLabel& Label6;
    // Vodka.
    platform::TLabel& Label3;
    controls::TspSkinTrackBar& spSkinTrackBar3;
    platform::TLabel& Label7;
    // Moonshine.
    platform::TLabel& Label4;
    controls::TspSkinTrackBar& spSkinTrackBar4;
    platform::TLabel& Label8;
    // The note that drunk bottles become empties.
    platform::TLabel& Label9;
    // "Пить!".
    controls::TspSkinButton& spSkinButton1;

    // Runs each time the dialog goes from hidden to visible: every row from the stock held.
    void FormShow() override;
    // A slider moved: its amount label follows.
    void spSkinTrackBar1Change();
    void spSkinTrackBar2Change();
    void spSkinTrackBar3Change();
    void spSkinTrackBar4Change();
    // "Пить!".
    void spSkinButton1Click();
};

}  // namespace ui
