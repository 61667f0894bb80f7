#pragma once

#include "controls/buttons/check_radio_box.h"
#include "controls/buttons/skin_button.h"
#include "controls/containers/skin_panel.h"
#include "ui/dialog_form.h"

namespace ui {

// The bottle-search dialog "Доходный бизнес": where to look (any place finds the same) and
// "Вперед!", which searches once and closes. The chosen place stays for the next day.
class TForm10 : public DialogForm {
public:
    TForm10(platform::Application& app, Program& program);

    // "Где искать" and its one radio group.
    controls::TspSkinGroupBox& spSkinGroupBox1;
    controls::TspSkinCheckRadioBox& spSkinCheckRadioBox1;  // "На помойке"
    controls::TspSkinCheckRadioBox& spSkinCheckRadioBox2;  // "В парке"
    controls::TspSkinCheckRadioBox& spSkinCheckRadioBox3;  // "На остановках"
    // "Вперед!".
    controls::TspSkinButton& spSkinButton1;

    // "Вперед!".
    void spSkinButton1Click();
};

}  // namespace ui
