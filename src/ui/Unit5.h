#pragma once

#include "controls/buttons/skin_button.h"
#include "platform/label.h"
#include "ui/dialog_form.h"

namespace ui {

// The training dialog of the sensei: the present level, the price of the next one and
// "Обучить", which buys it and leaves the dialog open for the next.
class TForm5 : public DialogForm {
public:
    TForm5(platform::Application& app, Program& program);

    // "Текущий уровень: " and the level.
    platform::TLabel& Label1;
    // "Стоимость обучения: " and the price of the next level.
    platform::TLabel& Label2;
    // "Обучить".
    controls::TspSkinButton& spSkinButton1;
    // "Максимальный уровень - 10".
    platform::TLabel& Label3;

    // Runs each time the dialog goes from hidden to visible: the level and price lines.
    void FormShow() override;
    // "Обучить".
    void spSkinButton1Click();
};

}  // namespace ui
