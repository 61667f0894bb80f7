#pragma once

#include <stdexcept>

namespace game {

// Raised when a window asks for something the rules cannot do: an amount beyond the stock,
// a promotion that skips a rank, a tick after the game has ended.
class RulesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace game
