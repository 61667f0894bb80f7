#pragma once

#include <cstdint>

#include "game/catalogue.h"
#include "game/game.h"
#include "game/outcome.h"

namespace game {

constexpr int32_t kMinQuantity = 1;
constexpr int32_t kMaxQuantity = 10;

// A good's radio box became checked: remembers it and rewrites its counter's price.
[[nodiscard]] Outcome SelectGood(Game& game, Good good);
// A counter's slider moved to quantity 1..10: rewrites the quantity, and the price when a
// good of that counter is selected.
[[nodiscard]] Outcome ChangeQuantity(Game& game, Counter counter, int32_t quantity);
// "Купить" at a counter: buys the selected good in the chosen quantity when the money
// covers it, warns otherwise, and always rewrites the money caption.
[[nodiscard]] Outcome BuySelected(Game& game, Counter counter);

}  // namespace game
