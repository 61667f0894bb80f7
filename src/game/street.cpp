#include "game/street.h"

#include <algorithm>
#include <string>

#include "game/rules_error.h"
#include "game/tabs.h"
#include "game/texts.h"

namespace game {
namespace {

constexpr uint32_t kBottlesPerLevel = 40;
constexpr uint32_t kBottlesAtLevelZero = 20;
constexpr uint32_t kBegDrawValues = 101;
constexpr int32_t kBegMinimum = 40;
constexpr int32_t kNotorietyPerSuccess = 15;
constexpr int32_t kGuardsBlow = 15;
constexpr int32_t kHooligansBlow = 10;

}  // namespace

Outcome OpenSearch(Game& game) {
    game.Play(Cue::Start);
    Outcome out;
    if (game.State.CanSearchBottles == 1) {
        game.State.CanSearchBottles = 0;
        out.show = Dialog::BottleSearch;
    } else {
        out.messages.push_back(Warning(text::OncePerDay));
    }
    return out;
}

Outcome SearchBottles(Game& game, bool placeChosen) {
    Outcome out;
    if (!placeChosen) {
        out.messages.push_back(Information(text::NoSearchPlace));
        return out;
    }
    GameState& s = game.State;
    if (s.SenseiLevel < 0) throw RulesError("the sensei level " + std::to_string(s.SenseiLevel) + " is below 0");
    game.Rng().Reseed();
    const auto found = static_cast<int32_t>(
        game.Rng().Next(kBottlesPerLevel * static_cast<uint32_t>(s.SenseiLevel) + kBottlesAtLevelZero));
    out.messages.push_back(Information(BottlesFoundText(found)));
    s.Bottles += found;
    out.close = Dialog::BottleSearch;
    return out;
}

Outcome OpenBegging(Game& game) {
    game.Play(Cue::Start);
    Outcome out;
    out.show = Dialog::Begging;
    return out;
}

Outcome Beg(Game& game, std::optional<BegPlace> place, std::optional<BegPhrase> phrase) {
    Outcome out;
    if (!place || !phrase) {
        out.messages.push_back(Warning(text::NothingChosenToBeg));
        return out;
    }
    const BegPlaceRow& where = BegPlaceOf(*place);
    const BegPhraseRow& what = BegPhraseOf(*phrase);
    const int32_t payout = where.payout + what.payoutChange;
    const int32_t risk = where.risk + what.riskChange;

    GameState& s = game.State;
    game.Rng().Reseed();
    const auto luck = static_cast<int32_t>(game.Rng().Next(kBegDrawValues));
    if (luck > risk + s.Notoriety) {
        game.Rng().Reseed();
        const int32_t amount = static_cast<int32_t>(game.Rng().Next(static_cast<uint32_t>(payout))) + kBegMinimum;
        out.messages.push_back(Information(BeggedText(amount)));
        s.Money += amount;
        out.captions.push_back({Caption::Money, MoneyText(s.Money)});
        s.Notoriety += kNotorietyPerSuccess;
        return out;
    }
    out.messages.push_back(Information(where.guards ? text::BeatenByGuards : text::BeatenByHooligans));
    s.Liver -= where.guards ? kGuardsBlow : kHooligansBlow;
    out.gauges.push_back(GaugeOf(s, Gauge::Liver));
    out.close = Dialog::Begging;
    return out;
}

Outcome OpenReturn(Game& game) {
    game.Play(Cue::Start);
    Outcome out;
    if (game.State.Bottles == 0)
        out.messages.push_back(Warning(text::NoBottles));
    else
        out.show = Dialog::BottleReturn;
    return out;
}

Outcome PrepareReturn(const Game& game, int32_t value) {
    const int32_t held = game.State.Bottles;
    if (held < 1) throw RulesError("the bottle return opened with no bottles to return");
    const int32_t shown = std::clamp(value, 1, held);
    Outcome out;
    out.sliders.push_back({Slider::ReturnBottles, true, std::nullopt, held, shown});
    out.captions.push_back({Caption::ReturnAmount, Decimal(shown)});
    return out;
}

Outcome ReturnBottles(Game& game, int32_t n) {
    GameState& s = game.State;
    if (n < 1 || n > s.Bottles)
        throw RulesError("cannot return " + std::to_string(n) + " bottles: " + std::to_string(s.Bottles) + " held");
    s.Bottles -= n;
    s.Money += n;
    Outcome out;
    out.captions.push_back({Caption::Money, MoneyText(s.Money)});
    if (s.Bottles == 0) {
        out.close = Dialog::BottleReturn;
    } else {
        out.sliders.push_back({Slider::ReturnBottles, true, std::nullopt, s.Bottles, 1});
        out.captions.push_back({Caption::ReturnAmount, Decimal(1)});
    }
    return out;
}

}  // namespace game
