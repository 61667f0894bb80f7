#include "ui/Unit9.h"

#include <string>

#include "game/street.h"

namespace ui {

namespace {

std::string CaptionOf(game::BegPlace place) { return std::string(game::BegPlaceOf(place).caption); }
std::string CaptionOf(game::BegPhrase phrase) { return std::string(game::BegPhraseOf(phrase).caption); }
std::string HintOf(game::BegPlace place) { return std::string(game::BegPlaceOf(place).hint); }

}  // namespace

TForm9::TForm9(platform::Application& app, Program& program)
    : DialogForm(app, program, "Вылазка", 346, 339, false),
      spSkinGroupBox1(AddGroupBox(8, 8, 329, 121, "Где просить")),
      spSkinCheckRadioBox1(AddRadio(spSkinGroupBox1, 8, 32, 170, CaptionOf(game::BegPlace::Street), 1)),
      spSkinCheckRadioBox2(AddRadio(spSkinGroupBox1, 8, 56, 170, CaptionOf(game::BegPlace::Underpass), 1)),
      spSkinCheckRadioBox3(AddRadio(spSkinGroupBox1, 8, 80, 170, CaptionOf(game::BegPlace::Supermarket), 1)),
      Label1(AddWrappedLabel(spSkinGroupBox1, 184, 32, 137, 73, 11, "")),
      spSkinGroupBox2(AddGroupBox(8, 136, 329, 121, "Что говорить")),
      spSkinCheckRadioBox4(AddRadio(spSkinGroupBox2, 8, 32, 313, CaptionOf(game::BegPhrase::NoBooze), 2)),
      spSkinCheckRadioBox5(AddRadio(spSkinGroupBox2, 8, 56, 313, CaptionOf(game::BegPhrase::NoCondoms), 2)),
      spSkinCheckRadioBox6(AddRadio(spSkinGroupBox2, 8, 80, 313, CaptionOf(game::BegPhrase::RuinedBusinessman), 2)),
      Label2(AddWrappedLabel(8, 264, 329, 33, 11,
                             "Если вы часто появляетесь в одном и том же месте, то вас запреметят и станет больше "
                             "вероятности получить по печени.")),
      spSkinButton1(AddButton(8, 296, "Ага")) {
    spSkinCheckRadioBox1.OnMouseEnter = [this](platform::Control&) { spSkinCheckRadioBox1MouseEnter(); };
    spSkinCheckRadioBox2.OnMouseEnter = [this](platform::Control&) { spSkinCheckRadioBox2MouseEnter(); };
    spSkinCheckRadioBox3.OnMouseEnter = [this](platform::Control&) { spSkinCheckRadioBox3MouseEnter(); };
    spSkinGroupBox1.OnMouseEnter = [this](platform::Control&) { spSkinGroupBox1MouseEnter(); };
    spSkinButton1.OnClick = [this](platform::Control&) { spSkinButton1Click(); };
}

void TForm9::spSkinCheckRadioBox1MouseEnter() { Label1.SetCaption(HintOf(game::BegPlace::Street)); }

void TForm9::spSkinCheckRadioBox2MouseEnter() { Label1.SetCaption(HintOf(game::BegPlace::Underpass)); }

void TForm9::spSkinCheckRadioBox3MouseEnter() { Label1.SetCaption(HintOf(game::BegPlace::Supermarket)); }

void TForm9::spSkinGroupBox1MouseEnter() { Label1.SetCaption(""); }

void TForm9::spSkinButton1Click() { Apply(game::Beg(Game(), ChosenPlace(), ChosenPhrase())); }

std::optional<game::BegPlace> TForm9::ChosenPlace() const {
    if (spSkinCheckRadioBox1.Checked()) return game::BegPlace::Street;
    if (spSkinCheckRadioBox2.Checked()) return game::BegPlace::Underpass;
    if (spSkinCheckRadioBox3.Checked()) return game::BegPlace::Supermarket;
    return std::nullopt;
}

std::optional<game::BegPhrase> TForm9::ChosenPhrase() const {
    if (spSkinCheckRadioBox4.Checked()) return game::BegPhrase::NoBooze;
    if (spSkinCheckRadioBox5.Checked()) return game::BegPhrase::NoCondoms;
    if (spSkinCheckRadioBox6.Checked()) return game::BegPhrase::RuinedBusinessman;
    return std::nullopt;
}

}  // namespace ui
