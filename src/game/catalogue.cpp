#include "game/catalogue.h"

#include <array>

namespace game {
namespace {

// Goods of one counter are kept next to each other so that GoodsAt is a plain sub-span.
constexpr std::array<GoodInfo, 10> kGoods{{
    {Good::Beer, "Пиво", Counter::Grocery, 1, 30, &GameState::Beer,
     "Немного увеличивает нажратость. Не безвередно для печени.", 0},
    {Good::Wine, "Вино", Counter::Grocery, 2, 70, &GameState::Wine,
     "Хорошо улучшает нажратость. Не безвередно для печени.", 1},
    {Good::Vodka, "Водка", Counter::Grocery, 3, 120, &GameState::Vodka,
     "Отлично увеличивает нажратость. Бьет по печени.", 2},
    {Good::Bread, "Хлеб", Counter::Grocery, 4, 20, &GameState::Bread, "Слегка утолит голод.", 3},
    {Good::Stew, "Тушенка", Counter::Grocery, 5, 60, &GameState::Stew, "Утолит голод получше.", 4},
    {Good::Herring, "Селедка", Counter::Grocery, 6, 100, &GameState::Herring, "Отлично утоляет голод.", 5},
    {Good::Vitamins, "Витамины", Counter::Pharmacy, 1, 50, &GameState::Vitamins, "Подлечит печень.", 6},
    {Good::Injections, "Инъекции", Counter::Pharmacy, 2, 400, &GameState::Injections, "Отлично лечит печень.", 7},
    {Good::Moonshine, "Самогон", Counter::Market, 1, 100, &GameState::Moonshine,
     "Лучше всех напитков увеличивает нажратость, но и сильно бьет по печени.", 8},
    {Good::Roses, "Розы", Counter::Market, 2, 120, &GameState::Roses, "Нужны для соблазнения Дуньки.", 9},
}};

}  // namespace

std::span<const GoodInfo> GoodsCatalogue() { return kGoods; }

const GoodInfo& GoodOf(Good good) { return kGoods.at(static_cast<size_t>(good)); }

std::span<const GoodInfo> GoodsAt(Counter counter) {
    switch (counter) {
        case Counter::Grocery:
            return std::span(kGoods).subspan(0, 6);
        case Counter::Pharmacy:
            return std::span(kGoods).subspan(6, 2);
        case Counter::Market:
            return std::span(kGoods).subspan(8, 2);
    }
    return {};
}

}  // namespace game
