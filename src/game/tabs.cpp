#include "game/tabs.h"

#include <array>
#include <utility>

#include "game/texts.h"

namespace game {

GaugeDisplay GaugeOf(const GameState& state, Gauge gauge) {
    int32_t value = 0;
    switch (gauge) {
        case Gauge::Drunkenness:
            value = state.Drunkenness;
            break;
        case Gauge::Satiety:
            value = state.Satiety;
            break;
        case Gauge::Liver:
            value = state.Liver;
            break;
    }
    return {gauge, value, GaugeText(value)};
}

Outcome ShowResourcesTab(const Game& game) {
    const GameState& s = game.State;
    const std::array<std::pair<Caption, int32_t>, 11> lines{{
        {Caption::Beer, s.Beer},
        {Caption::Wine, s.Wine},
        {Caption::Vodka, s.Vodka},
        {Caption::Moonshine, s.Moonshine},
        {Caption::Vitamins, s.Vitamins},
        {Caption::Injections, s.Injections},
        {Caption::Bread, s.Bread},
        {Caption::Stew, s.Stew},
        {Caption::Herring, s.Herring},
        {Caption::Roses, s.Roses},
        {Caption::Bottles, s.Bottles},
    }};
    Outcome out;
    for (const auto& [caption, count] : lines) out.captions.push_back({caption, ResourceText(caption, count)});
    return out;
}

Outcome ShowBodyTab(const Game& game) {
    Outcome out;
    for (Gauge g : {Gauge::Drunkenness, Gauge::Satiety, Gauge::Liver}) out.gauges.push_back(GaugeOf(game.State, g));
    return out;
}

Outcome ShowCityTab(const Game& game) {
    Outcome out;
    out.captions.push_back({Caption::SenseiLevel, SenseiLevelText(game.State.SenseiLevel)});
    out.captions.push_back({Caption::Salary, SalaryText(game.State.Salary)});
    return out;
}

void TabSwitched(const Game& game) { game.Play(Cue::TabSwitch); }

}  // namespace game
