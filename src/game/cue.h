#pragma once

#include <functional>
#include <string_view>

namespace game {

// The sound cues the rules ask for. The game itself plays nothing: it hands the cue to the
// window's CueSink at the exact moment the rule plays it, so an error raised by the player
// stops the action there, before the rest of it happens.
enum class Cue { Start, TabSwitch, Drink, Eat, Heal, Dunka, Death };

// Plays one cue; may throw when the sound cannot be played.
using CueSink = std::function<void(Cue)>;

// The WAV file of a cue, relative to the working directory.
[[nodiscard]] std::string_view CueFile(Cue cue);

}  // namespace game
