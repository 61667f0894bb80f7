// The main window's controls that open the eight dialogs. Each plays the start cue first
// (inside the rules' Open operation) and then shows its dialog, or says why it cannot.
#include "game/career.h"
#include "game/consumption.h"
#include "game/street.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/program.h"

namespace ui {

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
