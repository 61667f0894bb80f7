#pragma once

#include <cstdint>

#include "game/game.h"
#include "game/outcome.h"

namespace game {

// A rank's radio box (2..5) became checked: the player joins that rank and the box of the
// rank left behind is disabled for good. Salary and hint follow at the next tick.
[[nodiscard]] Outcome Promote(Game& game, int32_t rank);

// "Учиться у сенсея Сунь Хрен Вчай": start cue; opens the training, or says the top level
// is already reached.
[[nodiscard]] Outcome OpenTraining(Game& game);
// The training dialog goes from hidden to visible: its level and price lines.
[[nodiscard]] Outcome PrepareTraining(const Game& game);
// "Обучить": buys the next level when the money covers it; the dialog stays open, except
// at the top level, where it closes with nothing charged.
[[nodiscard]] Outcome TrainSkill(Game& game);

// "Спросить полтяш у Петровича": a gift of 50 with a chance that grows with the days since
// the last request; refused outright when asked within two day turns.
[[nodiscard]] Outcome AskPetrovich(Game& game);

// "Соблазнить продавщицу Дуньку": start cue, then the seduction dialog.
[[nodiscard]] Outcome OpenSeduction(Game& game);
// Sets up the seduction dialog from the roses held. Call it on every opening, also when the
// dialog is already visible, so that it never shows a stale count.
[[nodiscard]] Outcome PrepareSeduction(const Game& game);
// "Вперед!" in the seduction dialog: gives roses (1..held) whatever the outcome; success
// brings 6 to 10 bottles of moonshine and Dunka's cue. The dialog closes either way.
[[nodiscard]] Outcome Seduce(Game& game, int32_t roses);

}  // namespace game
