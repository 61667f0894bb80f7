#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace game {

constexpr int32_t kLastStage = 6;  // reaching the stage after it wins the game
constexpr int32_t kTopRank = 5;
constexpr int32_t kTopSenseiLevel = 10;
constexpr int32_t kMaxPetrovichDays = 5;
constexpr int32_t kMinSpeed = 1;
constexpr int32_t kMaxSpeed = 4;
constexpr int32_t kGaugeCap = 100;

// What one alcoholism stage is called and what each day turn takes from the gauges.
struct StageRow {
    std::string_view name;
    int32_t satietyDrain;
    int32_t drunkennessDrain;
    int32_t liverDrain;
};

// The row of a stage 1..6.
[[nodiscard]] const StageRow& StageOf(int32_t stage);
// The countdown text for StageDays 0..3.
[[nodiscard]] std::string_view StageCountdown(int32_t stageDays);

// What a rank pays and what it takes to reach the next one.
struct BrigadeRow {
    int32_t salary;
    int32_t nextRankBottles;         // 0 at the top rank: nothing to reach
    std::string_view promotionHint;  // empty at the top rank
};

// The row of a rank 1..5.
[[nodiscard]] const BrigadeRow& BrigadeOf(int32_t rank);
// The caption of a rank's radio box.
[[nodiscard]] std::string_view RankName(int32_t rank);

// Milliseconds between clock ticks at a speed 1..4.
[[nodiscard]] int TickIntervalMs(int32_t speed);

// The places of the begging dialog, in radio box order.
enum class BegPlace { Street, Underpass, Supermarket };
// The phrases of the begging dialog, in radio box order.
enum class BegPhrase { NoBooze, NoCondoms, RuinedBusinessman };

struct BegPlaceRow {
    std::string_view caption;
    int32_t payout;
    int32_t risk;
    bool guards;
    std::string_view hint;
};

struct BegPhraseRow {
    std::string_view caption;
    int32_t payoutChange;
    int32_t riskChange;
};

// One place's payout base, risk, guards and hover hint.
[[nodiscard]] const BegPlaceRow& BegPlaceOf(BegPlace place);
// One phrase's adjustments to payout and risk.
[[nodiscard]] const BegPhraseRow& BegPhraseOf(BegPhrase phrase);

// The five prompts of the start window, indexed by the random draw.
[[nodiscard]] std::span<const std::string_view> NamePrompts();

// Petrovich's refusal threshold, or nothing while he was asked too recently.
[[nodiscard]] std::optional<int32_t> PetrovichThreshold(int32_t petrovichDays);
// Dunka's refusal threshold for a number of roses (at least 1).
[[nodiscard]] int32_t DunkaThreshold(int32_t roses);
// The price of the sensei's next level.
[[nodiscard]] int32_t TrainingCost(int32_t senseiLevel);

// The clickable action labels of the main window, each with its hover hint.
enum class ActionLabel { SearchBottles, Beg, Training, ReturnBottles, Seduce, AskPetrovich };
// The hover hint of an action label.
[[nodiscard]] std::string_view ActionHint(ActionLabel action);

}  // namespace game
