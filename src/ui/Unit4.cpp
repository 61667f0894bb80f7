#include "ui/Unit4.h"

#include "game/street.h"
#include "game/texts.h"

namespace ui {

TForm4::TForm4(platform::Application& app, Program& program)
    : DialogForm(app, program, "Сдаем бутылки", 222, 123, true),
      Label1(AddLabel(8, 8, 15, "Сколько бутылок сдать?")),
      spSkinTrackBar1(AddSlider(8, 40, 1, 100, 1)),
      Label2(AddLabel(120, 40, 15, "1")),
      Label3(AddLabel(112, 80, 11, "1 бутылка - 1 рубль")),
      spSkinButton1(AddButton(8, 80, "Сдать")) {
    MapSlider(game::Slider::ReturnBottles, spSkinTrackBar1);
    MapCaption(game::Caption::ReturnAmount, Label2);
    spSkinTrackBar1.OnChange = [this](platform::Control&) { spSkinTrackBar1Change(); };
    spSkinButton1.OnClick = [this](platform::Control&) { spSkinButton1Click(); };
}

void TForm4::FormShow() { Apply(game::PrepareReturn(Game(), spSkinTrackBar1.Value())); }

void TForm4::spSkinTrackBar1Change() { Label2.SetCaption(game::Decimal(spSkinTrackBar1.Value())); }

void TForm4::spSkinButton1Click() { Apply(game::ReturnBottles(Game(), spSkinTrackBar1.Value())); }

}  // namespace ui
