// The main window's controls that open the eight dialogs. Each plays the start cue first
// (inside the rules' Open operation) and then shows its dialog, or says why it cannot.
#include "game/career.h"
#include "game/consumption.h"
#include "game/street.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/program.h"

namespace ui {

void TForm2::ConnectDialogControls() {
    spSkinButton3->OnClick = [this](platform::Control&) { spSkinButton3Click(); };
    spSkinButton4->OnClick = [this](platform::Control&) { spSkinButton4Click(); };
    spSkinButton6->OnClick = [this](platform::Control&) { spSkinButton6Click(); };
    Label10->OnClick = [this](platform::TLabel&) { Label10Click(); };
    Label11->OnClick = [this](platform::TLabel&) { Label11Click(); };
    Label12->OnClick = [this](platform::TLabel&) { Label12Click(); };
    Label13->OnClick = [this](platform::TLabel&) { Label13Click(); };
    Label5->OnClick = [this](platform::TLabel&) { Label5Click(); };
}

void TForm2::spSkinButton3Click() { Apply(game::OpenDrink(game_)); }

void TForm2::spSkinButton4Click() { Apply(game::OpenEat(game_)); }

void TForm2::spSkinButton6Click() { Apply(game::OpenHeal(game_)); }

void TForm2::Label10Click() { Apply(game::OpenSearch(game_)); }

void TForm2::Label11Click() { Apply(game::OpenBegging(game_)); }

void TForm2::Label12Click() { Apply(game::OpenTraining(game_)); }

void TForm2::Label13Click() { Apply(game::OpenReturn(game_)); }

void TForm2::Label5Click() {
    Apply(game::OpenSeduction(game_));
    program_.Form3().PrepareIfStale();
}

}  // namespace ui
