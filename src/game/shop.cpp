#include "game/shop.h"

#include <string>

#include "game/rules_error.h"
#include "game/texts.h"

namespace game {
namespace {

Caption QuantityCaption(Counter counter) {
    switch (counter) {
        case Counter::Grocery:
            return Caption::GroceryQuantity;
        case Counter::Pharmacy:
            return Caption::PharmacyQuantity;
        case Counter::Market:
            return Caption::MarketQuantity;
    }
    throw RulesError("unknown counter");
}

Caption PriceCaption(Counter counter) {
    switch (counter) {
        case Counter::Grocery:
            return Caption::GroceryPrice;
        case Counter::Pharmacy:
            return Caption::PharmacyPrice;
        case Counter::Market:
            return Caption::MarketPrice;
    }
    throw RulesError("unknown counter");
}

CaptionText PriceOf(const GoodInfo& good, int32_t quantity) {
    return {PriceCaption(good.counter), PriceText(good.price * quantity)};
}

}  // namespace

Outcome SelectGood(Game& game, Good good) {
    const GoodInfo& info = GoodOf(good);
    CounterState& counter = game.CounterOf(info.counter);
    counter.selected = good;
    Outcome out;
    out.captions.push_back(PriceOf(info, counter.quantity));
    return out;
}

Outcome ChangeQuantity(Game& game, Counter counter, int32_t quantity) {
    if (quantity < kMinQuantity || quantity > kMaxQuantity)
        throw RulesError("a counter sells 1 to 10 units at once, not " + std::to_string(quantity));
    CounterState& state = game.CounterOf(counter);
    state.quantity = quantity;
    Outcome out;
    out.captions.push_back({QuantityCaption(counter), Decimal(quantity)});
    if (state.selected) out.captions.push_back(PriceOf(GoodOf(*state.selected), quantity));
    return out;
}

Outcome BuySelected(Game& game, Counter counter) {
    const CounterState& state = game.CounterOf(counter);
    GameState& s = game.State;
    Outcome out;
    for (const GoodInfo& good : GoodsAt(counter)) {
        if (state.selected != good.good) continue;
        const int32_t cost = good.price * state.quantity;
        if (cost > s.Money) {
            out.messages.push_back(Warning(text::NotEnoughMoney));
            continue;
        }
        s.*good.stock += state.quantity;
        s.Money -= cost;
    }
    out.captions.push_back({Caption::Money, MoneyText(s.Money)});
    return out;
}

}  // namespace game
