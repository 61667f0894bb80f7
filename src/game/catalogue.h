#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "game/game_state.h"

namespace game {

// The ten goods, in catalogue order.
enum class Good { Beer, Wine, Vodka, Bread, Stew, Herring, Vitamins, Injections, Moonshine, Roses };

// The three purchase groups of the main window.
enum class Counter { Grocery, Pharmacy, Market };

struct GoodInfo {
    Good good;
    std::string_view caption;  // the radio box text
    Counter counter;
    int order;      // position among the goods of its counter, from 1
    int32_t price;  // roubles per unit
    int32_t GameState::*stock;
    std::string_view hint;
    int picture;  // index in the main window's image list
};

// All ten goods in catalogue order.
[[nodiscard]] std::span<const GoodInfo> GoodsCatalogue();
// One good's row.
[[nodiscard]] const GoodInfo& GoodOf(Good good);
// The goods sold at a counter, in the order a purchase examines them.
[[nodiscard]] std::span<const GoodInfo> GoodsAt(Counter counter);

}  // namespace game
