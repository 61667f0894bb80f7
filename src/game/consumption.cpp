#include "game/consumption.h"

#include <algorithm>
#include <array>
#include <span>

#include "game/rules_error.h"
#include "game/tables.h"
#include "game/tabs.h"
#include "game/texts.h"

namespace game {
namespace {

struct Row {
    Slider slider;
    Dialog dialog;
    int32_t GameState::*stock;
    Caption amount;
    const char* name;  // for error messages
};

constexpr std::array<Row, 9> kRows{{
    {Slider::DrinkBeer, Dialog::Drink, &GameState::Beer, Caption::DrinkBeerAmount, "beer"},
    {Slider::DrinkWine, Dialog::Drink, &GameState::Wine, Caption::DrinkWineAmount, "wine"},
    {Slider::DrinkVodka, Dialog::Drink, &GameState::Vodka, Caption::DrinkVodkaAmount, "vodka"},
    {Slider::DrinkMoonshine, Dialog::Drink, &GameState::Moonshine, Caption::DrinkMoonshineAmount, "moonshine"},
    {Slider::EatBread, Dialog::Eat, &GameState::Bread, Caption::EatBreadAmount, "bread"},
    {Slider::EatStew, Dialog::Eat, &GameState::Stew, Caption::EatStewAmount, "stew"},
    {Slider::EatHerring, Dialog::Eat, &GameState::Herring, Caption::EatHerringAmount, "herring"},
    {Slider::HealVitamins, Dialog::Heal, &GameState::Vitamins, Caption::HealVitaminsAmount, "vitamins"},
    {Slider::HealInjections, Dialog::Heal, &GameState::Injections, Caption::HealInjectionsAmount, "injections"},
}};

std::span<const Row> RowsOf(Dialog dialog) {
    switch (dialog) {
        case Dialog::Drink:
            return std::span(kRows).subspan(0, 4);
        case Dialog::Eat:
            return std::span(kRows).subspan(4, 3);
        case Dialog::Heal:
            return std::span(kRows).subspan(7, 2);
        default:
            throw RulesError("only the drink, eat and heal dialogs have consumption rows");
    }
}

const Row& RowOf(Slider slider) {
    for (const Row& row : kRows)
        if (row.slider == slider) return row;
    throw RulesError("that slider is not a row of the drink, eat or heal dialog");
}

// Refuses an amount the dialog could not have offered, before anything is consumed.
void CheckAmount(const GameState& s, Slider slider, int32_t amount) {
    const Row& row = RowOf(slider);
    const int32_t held = s.*row.stock;
    if (amount < 0 || amount > held)
        throw RulesError("cannot consume " + std::to_string(amount) + " " + row.name + ": " + std::to_string(held) +
                         " held");
}

Outcome ShowDialog(Game& game, Dialog dialog) {
    game.Play(Cue::Start);
    Outcome out;
    out.show = dialog;
    return out;
}

}  // namespace

Outcome OpenDrink(Game& game) { return ShowDialog(game, Dialog::Drink); }

Outcome OpenEat(Game& game) { return ShowDialog(game, Dialog::Eat); }

Outcome OpenHeal(Game& game) { return ShowDialog(game, Dialog::Heal); }

Outcome PrepareConsumptionDialog(const Game& game, Dialog dialog) {
    Outcome out;
    for (const Row& row : RowsOf(dialog)) {
        const int32_t held = game.State.*row.stock;
        if (held != 0) {
            out.sliders.push_back({row.slider, true, std::nullopt, held, 0});
            out.captions.push_back({row.amount, Decimal(0)});
        } else {
            out.sliders.push_back({row.slider, false, std::nullopt, std::nullopt, 0});
            out.captions.push_back({row.amount, std::string(text::NoStock)});
        }
    }
    return out;
}

std::optional<CaptionText> ConsumptionAmount(const Game& game, Slider slider, int32_t value) {
    const Row& row = RowOf(slider);
    if (game.State.*row.stock <= 0) return std::nullopt;
    return CaptionText{row.amount, Decimal(value)};
}

Outcome Drink(Game& game, const DrinkAmounts& a) {
    GameState& s = game.State;
    CheckAmount(s, Slider::DrinkBeer, a.beer);
    CheckAmount(s, Slider::DrinkWine, a.wine);
    CheckAmount(s, Slider::DrinkVodka, a.vodka);
    CheckAmount(s, Slider::DrinkMoonshine, a.moonshine);
    game.Play(Cue::Drink);

    s.Bottles += a.beer + a.wine + a.vodka + a.moonshine;
    s.Beer -= a.beer;
    s.Wine -= a.wine;
    s.Vodka -= a.vodka;
    s.Moonshine -= a.moonshine;
    s.Drunkenness = std::min(kGaugeCap, s.Drunkenness + 2 * a.beer + 4 * a.wine + 10 * a.vodka + 11 * a.moonshine);
    s.Liver -= a.beer + a.wine + 4 * a.vodka + 6 * a.moonshine;

    Outcome out;
    out.gauges.push_back(GaugeOf(s, Gauge::Drunkenness));
    out.gauges.push_back(GaugeOf(s, Gauge::Liver));
    out.close = Dialog::Drink;
    return out;
}

Outcome Eat(Game& game, const EatAmounts& a) {
    GameState& s = game.State;
    CheckAmount(s, Slider::EatBread, a.bread);
    CheckAmount(s, Slider::EatStew, a.stew);
    CheckAmount(s, Slider::EatHerring, a.herring);
    game.Play(Cue::Eat);

    s.Bread -= a.bread;
    s.Stew -= a.stew;
    s.Herring -= a.herring;
    s.Satiety = std::min(kGaugeCap, s.Satiety + 2 * a.bread + 6 * a.stew + 10 * a.herring);

    Outcome out;
    out.gauges.push_back(GaugeOf(s, Gauge::Satiety));
    out.close = Dialog::Eat;
    return out;
}

Outcome Heal(Game& game, const HealAmounts& a) {
    GameState& s = game.State;
    CheckAmount(s, Slider::HealVitamins, a.vitamins);
    CheckAmount(s, Slider::HealInjections, a.injections);
    game.Play(Cue::Heal);

    s.Vitamins -= a.vitamins;
    s.Injections -= a.injections;
    s.Liver = std::min(kGaugeCap, s.Liver + 5 * a.vitamins + 50 * a.injections);

    Outcome out;
    out.gauges.push_back(GaugeOf(s, Gauge::Liver));
    out.close = Dialog::Heal;
    return out;
}

}  // namespace game
