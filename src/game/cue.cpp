#include "game/cue.h"

namespace game {

std::string_view CueFile(Cue cue) {
    switch (cue) {
        case Cue::Start:
            return "sound/zapusk.wav";
        case Cue::TabSwitch:
            return "sound/perexod.wav";
        case Cue::Drink:
            return "sound/drink.wav";
        case Cue::Eat:
            return "sound/eat.wav";
        case Cue::Heal:
            return "sound/med.wav";
        case Cue::Dunka:
            return "sound/dunka.wav";
        case Cue::Death:
            return "sound/death.wav";
    }
    return {};
}

}  // namespace game
