#include "game/clock.h"

#include <algorithm>

#include "game/rules_error.h"
#include "game/tables.h"
#include "game/tabs.h"
#include "game/texts.h"

namespace game {
namespace {

constexpr int32_t kHoursPerDay = 24;
constexpr int32_t kStageDaysToAdvance = 4;
constexpr int32_t kDrunkEnoughToCount = 50;
constexpr int32_t kNotorietyFadePerDay = 25;

void FinishWith(Game& game, Outcome& out, Ending ending) {
    game.End(ending);
    out.ending = ending;
    out.messages.push_back(Information(EndingText(ending)));
}

void RefreshBrigade(GameState& s, Outcome& out) {
    const BrigadeRow& row = BrigadeOf(s.Rank);
    s.Salary = row.salary;
    if (s.Rank < kTopRank) out.rankBoxes.push_back({s.Rank + 1, s.Bottles >= row.nextRankBottles});
    out.captions.push_back({Caption::PromotionHint, std::string(row.promotionHint)});
    out.captions.push_back({Caption::Salary, SalaryText(s.Salary)});
}

// Returns false when the day turn won the game and nothing after it may run.
bool DayTurn(Game& game, Outcome& out) {
    GameState& s = game.State;
    s.Day += 1;
    out.captions.push_back({Caption::Day, DayText(s.Day)});

    // Measured before today's drain: the drinking of the day that ends is what counts.
    if (s.StageDays < kStageDaysToAdvance) s.StageDays = s.Drunkenness >= kDrunkEnoughToCount ? s.StageDays + 1 : 0;
    if (s.StageDays == kStageDaysToAdvance) {
        s.Stage += 1;
        s.StageDays = 0;
    }
    out.captions.push_back({Caption::StageCountdown, std::string(StageCountdown(s.StageDays))});

    if (s.Stage > kLastStage) {
        FinishWith(game, out, Ending::Victory);
        return false;
    }
    const StageRow& stage = StageOf(s.Stage);
    out.captions.push_back({Caption::StageName, std::string(stage.name)});

    s.Hour = 0;
    s.CanSearchBottles = 1;
    s.Money += s.Salary;
    s.Notoriety = std::max(0, s.Notoriety - kNotorietyFadePerDay);
    out.captions.push_back({Caption::Money, MoneyText(s.Money)});

    s.Satiety -= stage.satietyDrain;
    s.Drunkenness -= stage.drunkennessDrain;
    if (s.PetrovichDays < kMaxPetrovichDays) s.PetrovichDays += 1;
    s.Liver -= stage.liverDrain;
    for (Gauge g : {Gauge::Drunkenness, Gauge::Satiety, Gauge::Liver}) out.gauges.push_back(GaugeOf(s, g));
    return true;
}

Ending DeathOf(const GameState& s) {
    if (s.Drunkenness <= 0) return Ending::Sobriety;
    if (s.Satiety <= 0) return Ending::Hunger;
    if (s.Liver <= 0) return Ending::Liver;
    return Ending::None;
}

Outcome SpeedOutcome(const GameState& s) {
    Outcome out;
    out.captions.push_back({Caption::Speed, SpeedText(s.Speed)});
    out.tickIntervalMs = TickIntervalMs(s.Speed);
    return out;
}

}  // namespace

Outcome Tick(Game& game) {
    if (game.Ended() != Ending::None) throw RulesError("the game has already ended; its clock must not tick again");
    GameState& s = game.State;
    Outcome out;
    RefreshBrigade(s, out);

    s.Hour += 1;
    if (s.Hour == kHoursPerDay && !DayTurn(game, out)) return out;

    if (const Ending death = DeathOf(s); death != Ending::None) {
        game.Play(Cue::Death);
        FinishWith(game, out, death);
        return out;
    }
    out.captions.push_back({Caption::Hour, HourText(s.Hour)});
    return out;
}

Outcome SpeedUp(Game& game) {
    GameState& s = game.State;
    if (s.Speed < kMaxSpeed) s.Speed += 1;
    return SpeedOutcome(s);
}

Outcome SpeedDown(Game& game) {
    GameState& s = game.State;
    if (s.Speed > kMinSpeed) s.Speed -= 1;
    return SpeedOutcome(s);
}

}  // namespace game
