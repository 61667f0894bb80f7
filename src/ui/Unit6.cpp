#include "ui/Unit6.h"

#include "game/consumption.h"

namespace ui {

TForm6::TForm6(platform::Application& app, Program& program)
    : DialogForm(app, program, "Выпить", 262, 250, false),
      Label1(AddLabel(8, 8, 15, "Пиво:")),
      spSkinTrackBar1(AddSlider(8, 32, 0, 100, 0)),
      Label5(AddLabel(120, 32, 15, "0")),
      Label2(AddLabel(8, 64, 15, "Вино:")),
      spSkinTrackBar2(AddSlider(8, 88, 0, 100, 0)),
      Label6(AddLabel(120, 88, 15, "0")),
      Label3(AddLabel(8, 120, 15, "Водка:")),
      spSkinTrackBar3(AddSlider(8, 144, 0, 100, 0)),
      Label7(AddLabel(120, 144, 15, "0")),
      Label4(AddLabel(8, 176, 15, "Самогон:")),
      spSkinTrackBar4(AddSlider(8, 200, 0, 100, 0)),
      Label8(AddLabel(120, 200, 15, "0")),
      Label9(AddWrappedLabel(144, 144, 105, 49, 11, "Выпитые бутылки переместятся в разряд пустых. ")),
      spSkinButton1(AddButton(152, 200, "Пить!")) {
    MapSlider(game::Slider::DrinkBeer, spSkinTrackBar1);
    MapSlider(game::Slider::DrinkWine, spSkinTrackBar2);
    MapSlider(game::Slider::DrinkVodka, spSkinTrackBar3);
    MapSlider(game::Slider::DrinkMoonshine, spSkinTrackBar4);
    MapCaption(game::Caption::DrinkBeerAmount, Label5);
    MapCaption(game::Caption::DrinkWineAmount, Label6);
    MapCaption(game::Caption::DrinkVodkaAmount, Label7);
    MapCaption(game::Caption::DrinkMoonshineAmount, Label8);
    spSkinTrackBar1.OnChange = [this](platform::Control&) { spSkinTrackBar1Change(); };
    spSkinTrackBar2.OnChange = [this](platform::Control&) { spSkinTrackBar2Change(); };
    spSkinTrackBar3.OnChange = [this](platform::Control&) { spSkinTrackBar3Change(); };
    spSkinTrackBar4.OnChange = [this](platform::Control&) { spSkinTrackBar4Change(); };
    spSkinButton1.OnClick = [this](platform::Control&) { spSkinButton1Click(); };
}

void TForm6::FormShow() { Apply(game::PrepareConsumptionDialog(Game(), game::Dialog::Drink)); }

void TForm6::spSkinTrackBar1Change() { ShowAmount(game::Slider::DrinkBeer, spSkinTrackBar1); }

void TForm6::spSkinTrackBar2Change() { ShowAmount(game::Slider::DrinkWine, spSkinTrackBar2); }

void TForm6::spSkinTrackBar3Change() { ShowAmount(game::Slider::DrinkVodka, spSkinTrackBar3); }

void TForm6::spSkinTrackBar4Change() { ShowAmount(game::Slider::DrinkMoonshine, spSkinTrackBar4); }

void TForm6::spSkinButton1Click() {
    Apply(game::Drink(
        Game(), {spSkinTrackBar1.Value(), spSkinTrackBar2.Value(), spSkinTrackBar3.Value(), spSkinTrackBar4.Value()}));
}

}  // namespace ui
