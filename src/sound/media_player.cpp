#include "sound/media_player.h"

namespace sound {

TMediaPlayer::TMediaPlayer(platform::Audio& audio, platform::Component* owner)
    : platform::Component(owner), audio_(audio) {}

void TMediaPlayer::PlayCue(const std::string& path) {
    audio_.Close();
    audio_.Open(path);
    audio_.Play();
}

}  // namespace sound
