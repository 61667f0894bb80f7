#include "game/game.h"

#include <utility>

namespace game {

Game::Game(ClockSource clock, CueSink cue) : random_(std::move(clock)), cue_(std::move(cue)) {}

void Game::Play(Cue cue) const {
    if (cue_) cue_(cue);
}

CounterState& Game::CounterOf(Counter counter) { return counters_.at(static_cast<size_t>(counter)); }

const CounterState& Game::CounterOf(Counter counter) const { return counters_.at(static_cast<size_t>(counter)); }

}  // namespace game
