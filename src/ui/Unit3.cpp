#include "ui/Unit3.h"

#include "game/career.h"
#include "game/texts.h"
#include "ui/Unit2.h"
#include "ui/program.h"

namespace ui {

namespace {

constexpr int kSeductionPicture = 11;

}  // namespace

TForm3::TForm3(platform::Application& app, Program& program)
    : DialogForm(app, program, "Соблазнение Дуньки", 348, 123, false),
      Label1(AddLabel(8, 8, 15, "")),
      spSkinTrackBar1(AddSlider(8, 40, 0, 0, 0)),
      Label2(AddLabel(120, 40, 15, "0")),
      spSkinButton1(AddButton(8, 80, "Вперед!")),
      Label3(AddWrappedLabel(152, 64, 89, 41, 11, "Чем больше роз, тем больше шансов на успех")),
      spPngImageView1(Make<controls::TspPngImageView>()) {
    spPngImageView1.SetBounds(248, 8, 96, 96);
    spPngImageView1.SetPngImageList(&program.Form2().spPngImageList1);
    spPngImageView1.SetImageIndex(kSeductionPicture);
    MapSlider(game::Slider::SeductionRoses, spSkinTrackBar1);
    MapCaption(game::Caption::SeductionQuestion, Label1);
    MapCaption(game::Caption::SeductionAmount, Label2);
    SetActionButton(spSkinButton1);
    KeyPreview = true;
    spSkinTrackBar1.OnChange = [this](platform::Control&) { spSkinTrackBar1Change(); };
    spSkinButton1.OnClick = [this](platform::Control&) { spSkinButton1Click(); };
}

void TForm3::FormShow() { Prepare(); }

void TForm3::FormKeyDown(platform::Key& key, unsigned /*shift*/) {
    if (key != platform::Key::Escape || spSkinButton1.Enabled()) return;
    key = platform::Key::None;
    Hide();
}

void TForm3::spSkinTrackBar1Change() { Label2.SetCaption(game::Decimal(spSkinTrackBar1.Value())); }

void TForm3::spSkinButton1Click() { Apply(game::Seduce(Game(), spSkinTrackBar1.Value())); }

void TForm3::PrepareIfStale() {
    if (Visible() && Game().State.Roses != preparedRoses_) Prepare();
}

void TForm3::Prepare() {
    preparedRoses_ = Game().State.Roses;
    Apply(game::PrepareSeduction(Game()));
}

}  // namespace ui
