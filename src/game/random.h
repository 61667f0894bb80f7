#pragma once

#include <cstdint>
#include <functional>

namespace game {

// Supplies the seed for a re-seed; the program passes a high-resolution clock, tests pin it.
using ClockSource = std::function<uint32_t()>;

// The program-wide generator of uniform integers. Its arithmetic is fixed so that a pinned
// seed always gives the same draws: state := state * 134775813 + 1 (mod 2^32), and a draw
// in 0..n-1 is the high 32 bits of state * n.
class Random {
public:
    // Starts from state 0; the clock source is only read by Reseed.
    explicit Random(ClockSource clock);

    // Takes a fresh seed from the clock source.
    void Reseed();
    // Draws a uniform integer in 0..n-1; n must be at least 1.
    [[nodiscard]] uint32_t Next(uint32_t n);
    // The generator's current state, for checking a pinned sequence.
    [[nodiscard]] uint32_t State() const { return state_; }

private:
    ClockSource clock_;
    uint32_t state_ = 0;
};

}  // namespace game
