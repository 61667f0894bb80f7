#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game {

enum class MessageKind { Warning, Information };

// A message box with one OK button.
struct Message {
    MessageKind kind;
    std::string text;

    // The box title: "Warning" for refusals the player caused, "Information" otherwise.
    [[nodiscard]] std::string_view Title() const;
    friend bool operator==(const Message&, const Message&) = default;
};

// A refusal the player caused.
[[nodiscard]] Message Warning(std::string_view text);
// An outcome or an ending.
[[nodiscard]] Message Information(std::string_view text);

// The labels whose text the rules write, named after what they show.
enum class Caption {
    Money,  // main window, status line
    Day,
    Hour,
    Speed,
    Beer,  // tab "Ресурсы"
    Wine,
    Vodka,
    Moonshine,
    Vitamins,
    Injections,
    Bread,
    Stew,
    Herring,
    Roses,
    Bottles,
    StageName,  // tab "Тушка"
    StageCountdown,
    Salary,  // tab "Город"
    PromotionHint,
    SenseiLevel,
    GroceryQuantity,  // counters
    GroceryPrice,
    PharmacyQuantity,
    PharmacyPrice,
    MarketQuantity,
    MarketPrice,
    TrainingLevel,  // training dialog
    TrainingCost,
    ReturnAmount,       // bottle-return dialog
    SeductionQuestion,  // seduction dialog
    SeductionAmount,
    DrinkBeerAmount,  // consumption dialogs
    DrinkWineAmount,
    DrinkVodkaAmount,
    DrinkMoonshineAmount,
    EatBreadAmount,
    EatStewAmount,
    EatHerringAmount,
    HealVitaminsAmount,
    HealInjectionsAmount,
};

struct CaptionText {
    Caption caption;
    std::string text;
    friend bool operator==(const CaptionText&, const CaptionText&) = default;
};

enum class Gauge { Drunkenness, Satiety, Liver };

// A gauge display: the bar (range 0..100) at position, then its label.
struct GaugeDisplay {
    Gauge gauge;
    int32_t position;
    std::string text;
    friend bool operator==(const GaugeDisplay&, const GaugeDisplay&) = default;
};

// The eight dialogs, by what they do.
enum class Dialog { None, Seduction, BottleReturn, Training, Drink, Eat, Heal, Begging, BottleSearch };

// The sliders the rules set up, by what they choose.
enum class Slider {
    DrinkBeer,
    DrinkWine,
    DrinkVodka,
    DrinkMoonshine,
    EatBread,
    EatStew,
    EatHerring,
    HealVitamins,
    HealInjections,
    ReturnBottles,
    SeductionRoses,
};

// A slider's new settings; a bound left empty keeps its old value.
struct SliderSetting {
    Slider slider;
    bool enabled = true;
    std::optional<int32_t> min;
    std::optional<int32_t> max;
    int32_t value = 0;
    friend bool operator==(const SliderSetting&, const SliderSetting&) = default;
};

// A rank's radio box on tab "Город" turned on or off.
struct RankBox {
    int32_t rank;
    bool enabled;
    friend bool operator==(const RankBox&, const RankBox&) = default;
};

enum class Ending { None, Sobriety, Hunger, Liver, Victory };

// Everything an operation asks the windows to show. The window applies it in this order:
// rank boxes, sliders, captions and gauges, the button state and the clock interval; then
// the messages one after another; then it shows or closes the dialog; and last, when an
// ending is set, it ends the program (the ending's message is the last of the messages).
struct Outcome {
    std::vector<RankBox> rankBoxes;
    std::vector<SliderSetting> sliders;
    std::vector<CaptionText> captions;
    std::vector<GaugeDisplay> gauges;
    std::optional<bool> actionButtonEnabled;  // the dialog's own action button
    std::optional<int> tickIntervalMs;        // the game clock's new interval
    std::vector<Message> messages;
    Dialog show = Dialog::None;
    Dialog close = Dialog::None;
    Ending ending = Ending::None;

    // The new text of a caption, when this outcome writes it.
    [[nodiscard]] std::optional<std::string> TextOf(Caption caption) const;
};

}  // namespace game
