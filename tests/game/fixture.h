#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <vector>

#include "game/game.h"

namespace gametest {

// The seed whose first draw in 0..n-1 is r: the smallest generator state that maps to r,
// stepped back through the generator's multiplication.
inline uint32_t SeedForDraw(uint32_t r, uint32_t n) {
    const uint64_t wanted = ((uint64_t{r} << 32) + n - 1) / n;
    uint32_t inverse = 134775813u;  // Newton's iteration for the inverse modulo 2^32
    for (int i = 0; i < 5; ++i) inverse *= 2u - 134775813u * inverse;
    return (static_cast<uint32_t>(wanted) - 1u) * inverse;
}

// A game whose clock and sound are pinned: every re-seed takes the next queued seed (or
// `seed` when the queue is empty) and every cue is recorded.
class GameTest : public ::testing::Test {
protected:
    uint32_t seed = 0;
    std::deque<uint32_t> seeds;
    std::vector<game::Cue> cues;
    bool soundBroken = false;
    int reseeds = 0;

    game::Game game{[this] {
                        ++reseeds;
                        if (seeds.empty()) return seed;
                        const uint32_t next = seeds.front();
                        seeds.pop_front();
                        return next;
                    },
                    [this](game::Cue cue) {
                        if (soundBroken) throw std::runtime_error("no audio device");
                        cues.push_back(cue);
                    }};

    game::GameState& s = game.State;

    // Makes every following re-seed give the draw r out of n.
    void PinDraw(uint32_t r, uint32_t n) { seed = SeedForDraw(r, n); }
};

}  // namespace gametest
