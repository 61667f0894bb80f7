#include "game/career.h"

#include <string>

#include "game/rules_error.h"
#include "game/tables.h"
#include "game/texts.h"

namespace game {
namespace {

constexpr int32_t kPetrovichGift = 50;
constexpr uint32_t kPercent = 100;
constexpr uint32_t kGiftVariety = 5;
constexpr int32_t kGiftMinimum = 6;

void WriteMoney(const GameState& s, Outcome& out) { out.captions.push_back({Caption::Money, MoneyText(s.Money)}); }

}  // namespace

Outcome Promote(Game& game, int32_t rank) {
    GameState& s = game.State;
    if (rank != s.Rank + 1 || rank > kTopRank)
        throw RulesError("rank " + std::to_string(s.Rank) + " can only be promoted one step, not to " +
                         std::to_string(rank));
    s.Rank = rank;
    Outcome out;
    out.rankBoxes.push_back({rank - 1, false});
    return out;
}

Outcome OpenTraining(Game& game) {
    game.Play(Cue::Start);
    Outcome out;
    if (game.State.SenseiLevel == kTopSenseiLevel)
        out.messages.push_back(Information(text::SenseiAlreadyTop));
    else
        out.show = Dialog::Training;
    return out;
}

Outcome PrepareTraining(const Game& game) {
    const int32_t level = game.State.SenseiLevel;
    Outcome out;
    out.captions.push_back({Caption::TrainingLevel, TrainingLevelText(level)});
    out.captions.push_back({Caption::TrainingCost, TrainingCostText(TrainingCost(level))});
    return out;
}

Outcome TrainSkill(Game& game) {
    GameState& s = game.State;
    Outcome out;
    if (s.SenseiLevel >= kTopSenseiLevel) {
        out.messages.push_back(Information(text::SenseiReachedTop));
        out.close = Dialog::Training;
        return out;
    }
    const int32_t cost = TrainingCost(s.SenseiLevel);
    if (cost > s.Money) {
        out.messages.push_back(Warning(text::NotEnoughMoney));
        return out;
    }
    s.SenseiLevel += 1;
    out.captions = PrepareTraining(game).captions;
    out.captions.push_back({Caption::SenseiLevel, SenseiLevelText(s.SenseiLevel)});
    s.Money -= cost;
    WriteMoney(s, out);
    return out;
}

Outcome AskPetrovich(Game& game) {
    GameState& s = game.State;
    Outcome out;
    const std::optional<int32_t> threshold = PetrovichThreshold(s.PetrovichDays);
    if (!threshold) {
        out.messages.push_back(Warning(text::AskedTooRecently));
        return out;
    }
    game.Rng().Reseed();
    if (static_cast<int32_t>(game.Rng().Next(kPercent)) >= *threshold) {
        out.messages.push_back(Information(text::PetrovichGave));
        s.Money += kPetrovichGift;
        WriteMoney(s, out);
    } else {
        out.messages.push_back(Information(text::PetrovichRefused));
    }
    s.PetrovichDays = 0;
    return out;
}

Outcome OpenSeduction(Game& game) {
    game.Play(Cue::Start);
    Outcome out;
    out.show = Dialog::Seduction;
    return out;
}

Outcome PrepareSeduction(const Game& game) {
    const int32_t roses = game.State.Roses;
    Outcome out;
    if (roses != 0) {
        out.sliders.push_back({Slider::SeductionRoses, true, 1, roses, 1});
        out.captions.push_back({Caption::SeductionAmount, Decimal(1)});
        out.captions.push_back({Caption::SeductionQuestion, std::string(text::HowManyRoses)});
        out.actionButtonEnabled = true;
    } else {
        out.sliders.push_back({Slider::SeductionRoses, true, 0, 0, 0});
        out.captions.push_back({Caption::SeductionAmount, Decimal(0)});
        out.captions.push_back({Caption::SeductionQuestion, std::string(text::NoRoses)});
        out.actionButtonEnabled = false;
    }
    return out;
}

Outcome Seduce(Game& game, int32_t roses) {
    GameState& s = game.State;
    if (roses < 1 || roses > s.Roses)
        throw RulesError("cannot give " + std::to_string(roses) + " roses: " + std::to_string(s.Roses) + " held");
    const int32_t threshold = DunkaThreshold(roses);
    s.Roses -= roses;

    Outcome out;
    game.Rng().Reseed();
    if (static_cast<int32_t>(game.Rng().Next(kPercent)) >= threshold) {
        const int32_t gift = static_cast<int32_t>(game.Rng().Next(kGiftVariety)) + kGiftMinimum;
        s.Moonshine += gift;
        game.Play(Cue::Dunka);
        out.messages.push_back(Information(DunkaGiftText(gift)));
    } else {
        out.messages.push_back(Information(text::DunkaRefused));
    }
    out.close = Dialog::Seduction;
    return out;
}

}  // namespace game
