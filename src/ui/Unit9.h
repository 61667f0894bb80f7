#pragma once

#include <optional>

#include "controls/buttons/check_radio_box.h"
#include "controls/buttons/skin_button.h"
#include "controls/containers/skin_panel.h"
#include "game/tables.h"
#include "platform/label.h"
#include "ui/dialog_form.h"

namespace ui {

// The begging dialog "Вылазка", shown modally: a place and a phrase, two separate radio
// groups, and "Ага", which begs; success keeps it open, a beating closes it. The pointer
// over a place shows that place's hint.
class TForm9 : public DialogForm {
public:
    TForm9(platform::Application& app, Program& program);

    // "Где просить": the places and their hint.
    controls::TspSkinGroupBox& spSkinGroupBox1;
    controls::TspSkinCheckRadioBox& spSkinCheckRadioBox1;  // "На улице"
    controls::TspSkinCheckRadioBox& spSkinCheckRadioBox2;  // "В переходе"
    controls::TspSkinCheckRadioBox& spSkinCheckRadioBox3;  // "Около супермаркета"
    platform::TLabel& Label1;
    // "Что говорить": the phrases.
    controls::TspSkinGroupBox& spSkinGroupBox2;
    controls::TspSkinCheckRadioBox& spSkinCheckRadioBox4;  // "Не хватает на бухло"
    controls::TspSkinCheckRadioBox& spSkinCheckRadioBox5;  // "Нет денег на презервативы"
    controls::TspSkinCheckRadioBox& spSkinCheckRadioBox6;  // "Подайте разорившемуся бизнесмену"
    // The warning that a known face gets beaten more often.
    platform::TLabel& Label2;
    // "Ага".
    controls::TspSkinButton& spSkinButton1;

    // The pointer entered a place: its hint.
    void spSkinCheckRadioBox1MouseEnter();
    void spSkinCheckRadioBox2MouseEnter();
    void spSkinCheckRadioBox3MouseEnter();
    // The pointer reached the surface of "Где просить": the hint goes.
    void spSkinGroupBox1MouseEnter();
    // "Ага".
    void spSkinButton1Click();

private:
    [[nodiscard]] std::optional<game::BegPlace> ChosenPlace() const;
    [[nodiscard]] std::optional<game::BegPhrase> ChosenPhrase() const;
};

}  // namespace ui
