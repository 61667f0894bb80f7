#pragma once

#include "game/game.h"
#include "game/outcome.h"

namespace game {

// One game hour: brigade refresh, the hour (with the day turn every 24th), then the endings.
// A death hands the death cue to the sink before the ending is recorded; the clock refuses
// to tick once the game has ended.
[[nodiscard]] Outcome Tick(Game& game);

// Raises the speed by one step, up to 4, and gives the new interval and speed caption.
[[nodiscard]] Outcome SpeedUp(Game& game);
// Lowers the speed by one step, down to 1, and gives the new interval and speed caption.
[[nodiscard]] Outcome SpeedDown(Game& game);

}  // namespace game
