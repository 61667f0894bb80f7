#include "ui/Unit8.h"

#include "game/consumption.h"

namespace ui {

TForm8::TForm8(platform::Application& app, Program& program)
    : DialogForm(app, program, "Лечить", 248, 147, false),
      Label1(AddLabel(8, 16, 15, "Витамины:")),
      spSkinTrackBar1(AddSlider(8, 40, 0, 100, 0)),
      Label3(AddLabel(120, 40, 15, "0")),
      Label2(AddLabel(8, 72, 15, "Инъекции:")),
      spSkinTrackBar2(AddSlider(8, 96, 0, 100, 0)),
      Label4(AddLabel(120, 96, 15, "0")),
      spSkinButton1(AddButton(144, 96, "Лечить")) {
    MapSlider(game::Slider::HealVitamins, spSkinTrackBar1);
    MapSlider(game::Slider::HealInjections, spSkinTrackBar2);
    MapCaption(game::Caption::HealVitaminsAmount, Label3);
    MapCaption(game::Caption::HealInjectionsAmount, Label4);
    spSkinTrackBar1.OnChange = [this](platform::Control&) { spSkinTrackBar1Change(); };
    spSkinTrackBar2.OnChange = [this](platform::Control&) { spSkinTrackBar2Change(); };
    spSkinButton1.OnClick = [this](platform::Control&) { spSkinButton1Click(); };
}

void TForm8::FormShow() { Apply(game::PrepareConsumptionDialog(Game(), game::Dialog::Heal)); }

void TForm8::spSkinTrackBar1Change() { ShowAmount(game::Slider::HealVitamins, spSkinTrackBar1); }

void TForm8::spSkinTrackBar2Change() { ShowAmount(game::Slider::HealInjections, spSkinTrackBar2); }

void TForm8::spSkinButton1Click() { Apply(game::Heal(Game(), {spSkinTrackBar1.Value(), spSkinTrackBar2.Value()})); }

}  // namespace ui
