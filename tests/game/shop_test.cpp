#include "game/shop.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "game/catalogue.h"
#include "game/rules_error.h"

using game::Caption;
using game::Counter;
using game::Good;
using game::MessageKind;
using game::Outcome;

namespace {

class ShopTest : public gametest::GameTest {};

TEST_F(ShopTest, BuyingWithNothingSelectedOnlyRewritesTheMoney) {
    const game::GameState before = s;
    const Outcome out = game::BuySelected(game, Counter::Grocery);
    EXPECT_EQ(s, before);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(out.TextOf(Caption::Money), "Деньги: 1000");
}

TEST_F(ShopTest, ACostEqualToTheMoneyIsAffordable) {
    s.Money = 120;
    (void)game::SelectGood(game, Good::Vodka);
    const Outcome out = game::BuySelected(game, Counter::Grocery);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(s.Vodka, 1);
    EXPECT_EQ(s.Money, 0);
    EXPECT_EQ(out.TextOf(Caption::Money), "Деньги: 0");
}

TEST_F(ShopTest, TooLittleMoneyWarnsAndChangesNothing) {
    s.Money = 119;
    (void)game::SelectGood(game, Good::Vodka);
    const game::GameState before = s;
    const Outcome out = game::BuySelected(game, Counter::Grocery);
    EXPECT_EQ(s, before);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(out.messages[0].Title(), "Warning");
    EXPECT_EQ(out.messages[0].text, "Недостаточно денег!");
    EXPECT_EQ(out.TextOf(Caption::Money), "Деньги: 119");
}

TEST_F(ShopTest, MovingTheSliderBeforeSelectingChangesOnlyTheQuantity) {
    const Outcome out = game::ChangeQuantity(game, Counter::Grocery, 7);
    EXPECT_EQ(out.captions, (std::vector<game::CaptionText>{{Caption::GroceryQuantity, "7"}}));
}

TEST_F(ShopTest, PriceFollowsSelectionAndQuantity) {
    (void)game::ChangeQuantity(game, Counter::Grocery, 3);
    EXPECT_EQ(game::SelectGood(game, Good::Bread).TextOf(Caption::GroceryPrice), "Цена: 60 руб.");
    EXPECT_EQ(game::ChangeQuantity(game, Counter::Grocery, 5).TextOf(Caption::GroceryPrice), "Цена: 100 руб.");
    EXPECT_EQ(game::SelectGood(game, Good::Herring).TextOf(Caption::GroceryPrice), "Цена: 500 руб.");
}

TEST_F(ShopTest, TenInjectionsCostTenTimesTheirPrice) {
    (void)game::ChangeQuantity(game, Counter::Pharmacy, 10);
    EXPECT_EQ(game::SelectGood(game, Good::Injections).TextOf(Caption::PharmacyPrice), "Цена: 4000 руб.");
    s.Money = 3999;
    EXPECT_EQ(game::BuySelected(game, Counter::Pharmacy).messages.size(), 1u);
    EXPECT_EQ(s.Injections, 0);
    s.Money = 4000;
    EXPECT_TRUE(game::BuySelected(game, Counter::Pharmacy).messages.empty());
    EXPECT_EQ(s.Injections, 10);
    EXPECT_EQ(s.Money, 0);
}

TEST_F(ShopTest, PressingBuyAgainRepeatsThePurchase) {
    (void)game::SelectGood(game, Good::Roses);
    (void)game::ChangeQuantity(game, Counter::Market, 2);
    (void)game::BuySelected(game, Counter::Market);
    (void)game::BuySelected(game, Counter::Market);
    EXPECT_EQ(s.Roses, 4);
    EXPECT_EQ(s.Money, 1000 - 4 * 120);
}

TEST_F(ShopTest, EachCounterKeepsItsOwnSelectionAndQuantity) {
    (void)game::SelectGood(game, Good::Beer);
    (void)game::ChangeQuantity(game, Counter::Grocery, 4);
    const Outcome market = game::ChangeQuantity(game, Counter::Market, 2);
    EXPECT_FALSE(market.TextOf(Caption::MarketPrice)) << "nothing is selected at the market";
    EXPECT_FALSE(market.TextOf(Caption::GroceryPrice));
    (void)game::BuySelected(game, Counter::Pharmacy);
    EXPECT_EQ(s.Money, 1000);
    (void)game::BuySelected(game, Counter::Grocery);
    EXPECT_EQ(s.Beer, 4);
    EXPECT_EQ(s.Money, 880);
}

TEST_F(ShopTest, EveryGoodRaisesItsOwnStockOnly) {
    for (const game::GoodInfo& good : game::GoodsCatalogue()) {
        game::Game g([] { return 0u; }, nullptr);
        (void)game::SelectGood(g, good.good);
        (void)game::BuySelected(g, good.counter);
        game::GameState expected;
        expected.*good.stock = 1;
        expected.Money = 1000 - good.price;
        EXPECT_EQ(g.State, expected) << good.caption;
    }
}

TEST_F(ShopTest, QuantitiesOutsideOneToTenAreRefused) {
    EXPECT_THROW((void)game::ChangeQuantity(game, Counter::Grocery, 0), game::RulesError);
    EXPECT_THROW((void)game::ChangeQuantity(game, Counter::Market, 11), game::RulesError);
    EXPECT_EQ(game.CounterOf(Counter::Grocery).quantity, 1);
}

}  // namespace
