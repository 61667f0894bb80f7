#pragma once

#include <cstdint>
#include <optional>

#include "game/game.h"
#include "game/outcome.h"
#include "game/tables.h"

namespace game {

// "Искать пустые бутылки": start cue; spends the day's allowance and opens the search, or
// warns that the search was already used today.
[[nodiscard]] Outcome OpenSearch(Game& game);
// "Вперед!" in the search dialog. Any place gives the same result; only whether one is
// chosen matters.
[[nodiscard]] Outcome SearchBottles(Game& game, bool placeChosen);

// "Просить милостыню": start cue, then the begging dialog, shown modally.
[[nodiscard]] Outcome OpenBegging(Game& game);
// "Ага" in the begging dialog: success pays and keeps the dialog open, failure hurts the
// liver and closes it.
[[nodiscard]] Outcome Beg(Game& game, std::optional<BegPlace> place, std::optional<BegPhrase> phrase);

// "Сдать бутылки": start cue; opens the return, or warns when there is nothing to return.
[[nodiscard]] Outcome OpenReturn(Game& game);
// The return dialog goes from hidden to visible with its slider at value: the slider's
// maximum becomes the bottles held and the amount label shows the (possibly lowered) value.
[[nodiscard]] Outcome PrepareReturn(const Game& game, int32_t value);
// "Сдать": n bottles (1..held) for one rouble each; closes the dialog when none are left.
[[nodiscard]] Outcome ReturnBottles(Game& game, int32_t n);

}  // namespace game
