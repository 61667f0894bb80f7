#include "ui/Unit7.h"

#include "game/consumption.h"

namespace ui {

TForm7::TForm7(platform::Application& app, Program& program)
    : DialogForm(app, program, "Пожрать", 262, 195, false),
      Label1(AddLabel(8, 8, 15, "Хлеб:")),
      spSkinTrackBar1(AddSlider(8, 32, 0, 100, 0)),
      Label4(AddLabel(120, 32, 15, "0")),
      Label2(AddLabel(8, 64, 15, "Тушенка:")),
      spSkinTrackBar2(AddSlider(8, 88, 0, 100, 0)),
      Label5(AddLabel(120, 88, 15, "0")),
      Label3(AddLabel(8, 120, 15, "Селедка:")),
      spSkinTrackBar3(AddSlider(8, 144, 0, 100, 0)),
      Label6(AddLabel(120, 144, 15, "0")),
      spSkinButton1(AddButton(152, 144, "Жрать!")) {
    MapSlider(game::Slider::EatBread, spSkinTrackBar1);
    MapSlider(game::Slider::EatStew, spSkinTrackBar2);
    MapSlider(game::Slider::EatHerring, spSkinTrackBar3);
    MapCaption(game::Caption::EatBreadAmount, Label4);
    MapCaption(game::Caption::EatStewAmount, Label5);
    MapCaption(game::Caption::EatHerringAmount, Label6);
    spSkinTrackBar1.OnChange = [this](platform::Control&) { spSkinTrackBar1Change(); };
    spSkinTrackBar2.OnChange = [this](platform::Control&) { spSkinTrackBar2Change(); };
    spSkinTrackBar3.OnChange = [this](platform::Control&) { spSkinTrackBar3Change(); };
    spSkinButton1.OnClick = [this](platform::Control&) { spSkinButton1Click(); };
}

void TForm7::FormShow() { Apply(game::PrepareConsumptionDialog(Game(), game::Dialog::Eat)); }

void TForm7::spSkinTrackBar1Change() { ShowAmount(game::Slider::EatBread, spSkinTrackBar1); }

void TForm7::spSkinTrackBar2Change() { ShowAmount(game::Slider::EatStew, spSkinTrackBar2); }

void TForm7::spSkinTrackBar3Change() { ShowAmount(game::Slider::EatHerring, spSkinTrackBar3); }

void TForm7::spSkinButton1Click() {
    Apply(game::Eat(Game(), {spSkinTrackBar1.Value(), spSkinTrackBar2.Value(), spSkinTrackBar3.Value()}));
}

}  // namespace ui
