#include "platform/headless/headless_audio.h"

#include "platform/wav_file.h"

namespace platform {

void HeadlessAudio::Open(const std::string& path) {
    Close();
    (void)LoadWav(path);
    openPath_ = path;
    events_.push_back({Event::Kind::Open, path});
}

void HeadlessAudio::Play() {
    if (openPath_.empty() || startFails_) return;
    events_.push_back({Event::Kind::Play, openPath_});
    if (hasDevice_) sounding_ = openPath_;
}

void HeadlessAudio::Close() {
    if (openPath_.empty()) return;
    events_.push_back({Event::Kind::Close, openPath_});
    openPath_.clear();
    sounding_.clear();
}

}  // namespace platform
