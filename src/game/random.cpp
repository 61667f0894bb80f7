#include "game/random.h"

#include <utility>

#include "game/rules_error.h"

namespace game {

Random::Random(ClockSource clock) : clock_(std::move(clock)) {
    if (!clock_) throw RulesError("the random generator needs a clock source to seed from");
}

void Random::Reseed() { state_ = clock_(); }

uint32_t Random::Next(uint32_t n) {
    if (n == 0) throw RulesError("a random draw needs at least one possible value");
    state_ = state_ * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(state_) * n) >> 32);
}

}  // namespace game
