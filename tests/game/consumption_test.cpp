#include "game/consumption.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "game/rules_error.h"

using game::Caption;
using game::Cue;
using game::Dialog;
using game::Gauge;
using game::GaugeDisplay;
using game::Outcome;
using game::Slider;
using game::SliderSetting;

namespace {

class ConsumptionTest : public gametest::GameTest {};

TEST_F(ConsumptionTest, OpeningADialogPlaysTheStartCueFirst) {
    EXPECT_EQ(game::OpenDrink(game).show, Dialog::Drink);
    EXPECT_EQ(game::OpenEat(game).show, Dialog::Eat);
    EXPECT_EQ(game::OpenHeal(game).show, Dialog::Heal);
    EXPECT_EQ(cues, (std::vector<Cue>{Cue::Start, Cue::Start, Cue::Start}));
    soundBroken = true;
    EXPECT_THROW((void)game::OpenDrink(game), std::runtime_error);
}

TEST_F(ConsumptionTest, DrinkingNothingStillPlaysRedrawsAndCloses) {
    const game::GameState before = s;
    const Outcome out = game::Drink(game, {});
    EXPECT_EQ(s, before);
    EXPECT_EQ(cues, std::vector<Cue>{Cue::Drink});
    EXPECT_EQ(out.gauges,
              (std::vector<GaugeDisplay>{{Gauge::Drunkenness, 40, "40/100"}, {Gauge::Liver, 90, "90/100"}}));
    EXPECT_EQ(out.close, Dialog::Drink);
}

TEST_F(ConsumptionTest, DrinkingCapsDrunkennessButTheLiverStillPays) {
    s.Drunkenness = 95;
    s.Vodka = 1;
    (void)game::Drink(game, {.vodka = 1});
    EXPECT_EQ(s.Drunkenness, 100);
    EXPECT_EQ(s.Liver, 86);
    EXPECT_EQ(s.Bottles, 1);
    EXPECT_EQ(s.Vodka, 0);
}

TEST_F(ConsumptionTest, EveryDrinkHasItsOwnStrengthAndBecomesAnEmpty) {
    s.Drunkenness = 0;
    s.Beer = 3;
    s.Wine = 2;
    s.Vodka = 1;
    s.Moonshine = 1;
    (void)game::Drink(game, {.beer = 3, .wine = 2, .vodka = 1, .moonshine = 1});
    EXPECT_EQ(s.Drunkenness, 6 + 8 + 10 + 11);
    EXPECT_EQ(s.Liver, 90 - 3 - 2 - 4 - 6);
    EXPECT_EQ(s.Bottles, 7);
    EXPECT_EQ(s.Beer + s.Wine + s.Vodka + s.Moonshine, 0);
}

TEST_F(ConsumptionTest, DrinkingCanTakeTheLiverBelowZero) {
    s.Liver = 5;
    s.Moonshine = 2;
    const Outcome out = game::Drink(game, {.moonshine = 2});
    EXPECT_EQ(s.Liver, -7);
    EXPECT_EQ(out.gauges[1], (GaugeDisplay{Gauge::Liver, -7, "-7/100"}));
}

TEST_F(ConsumptionTest, EatingRaisesSatietyUpToTheCap) {
    s.Satiety = 10;
    s.Bread = 2;
    s.Stew = 1;
    s.Herring = 1;
    Outcome out = game::Eat(game, {.bread = 2, .stew = 1, .herring = 1});
    EXPECT_EQ(s.Satiety, 10 + 4 + 6 + 10);
    EXPECT_EQ(out.gauges, (std::vector<GaugeDisplay>{{Gauge::Satiety, 30, "30/100"}}));
    EXPECT_EQ(out.close, Dialog::Eat);
    s.Herring = 9;
    out = game::Eat(game, {.herring = 9});
    EXPECT_EQ(s.Satiety, 100);
    EXPECT_EQ(cues, (std::vector<Cue>{Cue::Eat, Cue::Eat}));
}

TEST_F(ConsumptionTest, HealingRaisesTheLiverUpToTheCap) {
    s.Liver = 80;
    s.Injections = 1;
    (void)game::Heal(game, {.injections = 1});
    EXPECT_EQ(s.Liver, 100);
    s.Liver = 60;
    s.Vitamins = 1;
    const Outcome out = game::Heal(game, {.vitamins = 1});
    EXPECT_EQ(s.Liver, 65);
    EXPECT_EQ(out.close, Dialog::Heal);
    EXPECT_EQ(cues, (std::vector<Cue>{Cue::Heal, Cue::Heal}));
}

TEST_F(ConsumptionTest, PreparingShowsNaAndADisabledSliderForAnEmptyRow) {
    s.Beer = 3;
    s.Vodka = 12;
    s.Moonshine = 1;
    const Outcome out = game::PrepareConsumptionDialog(game, Dialog::Drink);
    EXPECT_EQ(out.sliders, (std::vector<SliderSetting>{
                               {Slider::DrinkBeer, true, std::nullopt, 3, 0},
                               {Slider::DrinkWine, false, std::nullopt, std::nullopt, 0},
                               {Slider::DrinkVodka, true, std::nullopt, 12, 0},
                               {Slider::DrinkMoonshine, true, std::nullopt, 1, 0},
                           }));
    EXPECT_EQ(out.TextOf(Caption::DrinkBeerAmount), "0");
    EXPECT_EQ(out.TextOf(Caption::DrinkWineAmount), "n/a");
    EXPECT_EQ(out.TextOf(Caption::DrinkVodkaAmount), "0");
    EXPECT_EQ(out.TextOf(Caption::DrinkMoonshineAmount), "0");
}

TEST_F(ConsumptionTest, PreparingCoversOnlyTheRowsOfThatDialog) {
    s.Injections = 2;
    const Outcome out = game::PrepareConsumptionDialog(game, Dialog::Heal);
    ASSERT_EQ(out.sliders.size(), 2u);
    EXPECT_EQ(out.TextOf(Caption::HealVitaminsAmount), "n/a");
    EXPECT_EQ(out.TextOf(Caption::HealInjectionsAmount), "0");
    EXPECT_EQ(game::PrepareConsumptionDialog(game, Dialog::Eat).sliders.size(), 3u);
    EXPECT_THROW((void)game::PrepareConsumptionDialog(game, Dialog::Training), game::RulesError);
}

TEST_F(ConsumptionTest, AmountLabelFollowsTheSliderOnlyWhenTheRowHasStock) {
    s.Stew = 4;
    EXPECT_EQ(game::ConsumptionAmount(game, Slider::EatStew, 3), (game::CaptionText{Caption::EatStewAmount, "3"}));
    EXPECT_FALSE(game::ConsumptionAmount(game, Slider::EatBread, 0));
    EXPECT_THROW((void)game::ConsumptionAmount(game, Slider::ReturnBottles, 1), game::RulesError);
}

TEST_F(ConsumptionTest, AnAmountBeyondTheStockIsRefusedBeforeAnythingHappens) {
    s.Beer = 2;
    s.Wine = 1;
    const game::GameState before = s;
    EXPECT_THROW((void)game::Drink(game, {.beer = 2, .wine = 2}), game::RulesError);
    EXPECT_THROW((void)game::Eat(game, {.bread = -1}), game::RulesError);
    EXPECT_THROW((void)game::Heal(game, {.injections = 1}), game::RulesError);
    EXPECT_EQ(s, before);
    EXPECT_TRUE(cues.empty());
}

TEST_F(ConsumptionTest, ABrokenCueLeavesTheStateAsItWas) {
    s.Vodka = 3;
    soundBroken = true;
    const game::GameState before = s;
    EXPECT_THROW((void)game::Drink(game, {.vodka = 3}), std::runtime_error);
    EXPECT_EQ(s, before);
}

}  // namespace
