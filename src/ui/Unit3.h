#pragma once

#include <cstdint>

#include "controls/buttons/skin_button.h"
#include "controls/images/png_image_view.h"
#include "controls/ranges/skin_track_bar.h"
#include "platform/label.h"
#include "ui/dialog_form.h"

namespace ui {

// The seduction dialog "Соблазнение Дуньки": how many roses to give the shop assistant and
// "Вперед!", which gives them and closes the dialog whatever she answers. Opened without
// roses it can only be left with Escape.
class TForm3 : public DialogForm {
public:
    TForm3(platform::Application& app, Program& program);

    // The question, or that there are no roses.
    platform::TLabel& Label1;
    // How many roses, 1 to the roses held.
    controls::TspSkinTrackBar& spSkinTrackBar1;
    // The chosen number.
    platform::TLabel& Label2;
    // "Вперед!".
    controls::TspSkinButton& spSkinButton1;
    // "Чем больше роз, тем больше шансов на успех".
    platform::TLabel& Label3;
    // The shop assistant, picture 11 of the main window's list.
    controls::TspPngImageView& spPngImageView1;

    // Runs each time the dialog goes from hidden to visible: set up from the roses held.
    void FormShow() override;
    // Escape leaves the dialog while it has no roses to give, without acting.
    void FormKeyDown(platform::Key& key, unsigned shift) override;
    // The slider moved: the number follows.
    void spSkinTrackBar1Change();
    // "Вперед!".
    void spSkinButton1Click();

    // The dialog was asked to show while already visible: it is set up again when the roses
    // held changed since it was last set up (roses bought meanwhile), and left as it is
    // otherwise.
    void PrepareIfStale();

private:
    void Prepare();

    int32_t preparedRoses_ = 0;
};

}  // namespace ui
