#pragma once

#include <cstdint>
#include <string>

#include "platform/audio.h"
#include "platform/wav_file.h"

namespace platform {

// The audio output of the SDL backend. SDL's audio is started on its own, apart from
// video, so that a machine without sound still runs the game: without a usable device the
// files are checked as usual and nothing sounds. The open sound is queued on a device
// opened in its format; closing clears the queue, which cuts the sound at once.
class SdlAudio : public Audio {
public:
    // Starts SDL's audio subsystem; when that fails the output stays silent.
    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    void Open(const std::string& path) override;
    void Play() override;
    void Close() override;
    [[nodiscard]] bool IsOpen() const override { return open_; }
    [[nodiscard]] bool HasDevice() const override { return initialised_ && deviceError_.empty(); }

    // Why there is no usable device, in SDL's words; empty while there is one.
    [[nodiscard]] const std::string& DeviceError() const { return deviceError_; }

private:
    // Opens a device for the sound's format unless the one open already plays it.
    bool EnsureDevice(const WavSound& sound);
    void CloseDevice();

    bool initialised_ = false;
    std::string deviceError_;
    std::uint32_t device_ = 0;
    SampleFormat deviceFormat_ = SampleFormat::Signed16;
    int deviceChannels_ = 0;
    int deviceRate_ = 0;
    bool open_ = false;
    WavSound sound_;
};

}  // namespace platform
