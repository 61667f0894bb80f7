#include "ui/Unit10.h"

#include "game/street.h"

namespace ui {

TForm10::TForm10(platform::Application& app, Program& program)
    : DialogForm(app, program, "Доходный бизнес", 372, 192, false),
      spSkinGroupBox1(AddGroupBox(8, 8, 361, 121, "Где искать")),
      spSkinCheckRadioBox1(AddRadio(spSkinGroupBox1, 8, 24, 150, "На помойке", 1)),
      spSkinCheckRadioBox2(AddRadio(spSkinGroupBox1, 8, 56, 150, "В парке", 1)),
      spSkinCheckRadioBox3(AddRadio(spSkinGroupBox1, 8, 88, 150, "На остановках", 1)),
      spSkinButton1(AddButton(8, 144, "Вперед!")) {
    spSkinButton1.OnClick = [this](platform::Control&) { spSkinButton1Click(); };
}

void TForm10::spSkinButton1Click() {
    const bool chosen =
        spSkinCheckRadioBox1.Checked() || spSkinCheckRadioBox2.Checked() || spSkinCheckRadioBox3.Checked();
    Apply(game::SearchBottles(Game(), chosen));
}

}  // namespace ui
