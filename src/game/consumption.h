#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/game.h"
#include "game/outcome.h"

namespace game {

// Slider values of the drink dialog, each 0..the stock held.
struct DrinkAmounts {
    int32_t beer = 0;
    int32_t wine = 0;
    int32_t vodka = 0;
    int32_t moonshine = 0;
};

// Slider values of the eat dialog.
struct EatAmounts {
    int32_t bread = 0;
    int32_t stew = 0;
    int32_t herring = 0;
};

// Slider values of the heal dialog.
struct HealAmounts {
    int32_t vitamins = 0;
    int32_t injections = 0;
};

// "Выпить" on the main window: start cue, then the drink dialog.
[[nodiscard]] Outcome OpenDrink(Game& game);
// "Пожрать" on the main window: start cue, then the eat dialog.
[[nodiscard]] Outcome OpenEat(Game& game);
// "Лечить" on the main window: start cue, then the heal dialog.
[[nodiscard]] Outcome OpenHeal(Game& game);

// Sets up the rows of a drink, eat or heal dialog that goes from hidden to visible: a row
// with stock gets an enabled slider 0..stock and "0", an empty row a disabled slider and
// "n/a".
[[nodiscard]] Outcome PrepareConsumptionDialog(const Game& game, Dialog dialog);
// The amount label after a consumption slider moved, or nothing when its row has no stock.
[[nodiscard]] std::optional<CaptionText> ConsumptionAmount(const Game& game, Slider slider, int32_t value);

// "Пить!": drink cue, the drinks become empties, drunkenness rises (to 100 at most) and the
// liver pays for it; the dialog closes.
[[nodiscard]] Outcome Drink(Game& game, const DrinkAmounts& amounts);
// "Жрать!": eat cue, satiety rises to 100 at most; the dialog closes.
[[nodiscard]] Outcome Eat(Game& game, const EatAmounts& amounts);
// "Лечить" in the heal dialog: heal cue, the liver recovers to 100 at most; the dialog closes.
[[nodiscard]] Outcome Heal(Game& game, const HealAmounts& amounts);

}  // namespace game
