#pragma once

#include <string>

#include "platform/audio.h"
#include "platform/component.h"

namespace sound {

// The game's one sound cue player (the main window's Player1): never visible, it plays one
// WAV cue at a time through the platform's audio output, which must outlive it.
class TMediaPlayer : public platform::Component {
public:
    // A player on audio, owned by owner (the main window).
    TMediaPlayer(platform::Audio& audio, platform::Component* owner = nullptr);

    // Closes the cue open before (cutting it if it still sounds), opens the file at path
    // and starts it, returning at once. Throws platform::AudioError with the audio
    // system's text when the file cannot be opened; a failure to start is ignored.
    void PlayCue(const std::string& path);

private:
    platform::Audio& audio_;
};

}  // namespace sound
