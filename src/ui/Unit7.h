#pragma once

#include "controls/buttons/skin_button.h"
#include "controls/ranges/skin_track_bar.h"
#include "platform/label.h"
#include "ui/dialog_form.h"

namespace ui {

// The eat dialog "Пожрать": one row per food (caption, slider up to the stock held, amount)
// and "Жрать!", which eats the chosen amounts and closes the dialog.
class TForm7 : public DialogForm {
public:
    TForm7(platform::Application& app, Program& program);

    // Bread.
    platform::TLabel& Label1;
    controls::TspSkinTrackBar& spSkinTrackBar1;
    platform::TLabel& Label4;
    // Stewed meat.
    platform::TLabel& Label2;
    controls::TspSkinTrackBar& spSkinTrackBar2;
    platform::TLabel& Label5;
    // Herring.
    platform::TLabel& Label3;
    controls::TspSkinTrackBar& spSkinTrackBar3;
    platform::TLabel& Label6;
    // "Жрать!".
    controls::TspSkinButton& spSkinButton1;

    // Runs each time the dialog goes from hidden to visible: every row from the stock held.
    void FormShow() override;
    // A slider moved: its amount label follows.
    void spSkinTrackBar1Change();
    void spSkinTrackBar2Change();
    void spSkinTrackBar3Change();
    // "Жрать!".
    void spSkinButton1Click();
};

}  // namespace ui
