#pragma once

#include "game/game.h"
#include "game/outcome.h"

namespace game {

// The bar position and label of one gauge as the state holds it now.
[[nodiscard]] GaugeDisplay GaugeOf(const GameState& state, Gauge gauge);

// What tab "Ресурсы" rewrites each time it is shown: the eleven resource lines.
[[nodiscard]] Outcome ShowResourcesTab(const Game& game);
// What tab "Тушка" rewrites each time it is shown: the three gauges.
[[nodiscard]] Outcome ShowBodyTab(const Game& game);
// What tab "Город" rewrites each time it is shown: the sensei level and the salary.
[[nodiscard]] Outcome ShowCityTab(const Game& game);
// The player switched tabs: plays the tab cue, after the new tab refreshed its captions.
void TabSwitched(const Game& game);

}  // namespace game
