#include "ui/Unit5.h"

#include "game/career.h"

namespace ui {

TForm5::TForm5(platform::Application& app, Program& program)
    : DialogForm(app, program, "Form5", 222, 132, true),
      Label1(AddLabel(8, 8, 15, "")),
      Label2(AddLabel(8, 32, 13, "")),
      spSkinButton1(AddButton(8, 64, "Обучить")),
      Label3(AddLabel(8, 104, 11, "Максимальный уровень - 10")) {
    MapCaption(game::Caption::TrainingLevel, Label1);
    MapCaption(game::Caption::TrainingCost, Label2);
    spSkinButton1.OnClick = [this](platform::Control&) { spSkinButton1Click(); };
}

void TForm5::FormShow() { Apply(game::PrepareTraining(Game())); }

void TForm5::spSkinButton1Click() { Apply(game::TrainSkill(Game())); }

}  // namespace ui
