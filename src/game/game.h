#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/catalogue.h"
#include "game/cue.h"
#include "game/game_state.h"
#include "game/outcome.h"
#include "game/random.h"

namespace game {

// What a purchase counter remembers between clicks: the checked good and the quantity.
struct CounterState {
    std::optional<Good> selected;
    int32_t quantity = 1;
};

// One game: the state every window shares, the program-wide random generator, the counters'
// choices and the hand-over of sound cues to the window that plays them. The operations
// are free functions (clock.h, shop.h, consumption.h, street.h, career.h, start.h, tabs.h)
// taking this object.
class Game {
public:
    // The clock seeds the random generator; the sink plays cues and may be empty for silence.
    Game(ClockSource clock, CueSink cue);

    GameState State;

    // The program-wide generator; every random decision of the rules draws from it.
    [[nodiscard]] Random& Rng() { return random_; }
    // Hands a cue to the sink; an error from the sink propagates to the caller.
    void Play(Cue cue) const;

    // The remembered choice of one counter.
    [[nodiscard]] CounterState& CounterOf(Counter counter);
    [[nodiscard]] const CounterState& CounterOf(Counter counter) const;

    // How the game ended, or None while it runs.
    [[nodiscard]] Ending Ended() const { return ending_; }
    // Records the ending; the clock refuses to tick afterwards.
    void End(Ending ending) { ending_ = ending; }

private:
    Random random_;
    CueSink cue_;
    std::array<CounterState, 3> counters_{};
    Ending ending_ = Ending::None;
};

}  // namespace game
