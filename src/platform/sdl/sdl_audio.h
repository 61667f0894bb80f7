#pragma once

#include <cstdint>
#include <functional>
#include <optional>
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
    // Starts SDL's audio subsystem at the first call that needs it, after awaitSdl (the
    // backend's wait for SDL's own start) returns; when that fails the output stays silent.
    explicit SdlAudio(std::function<void()> awaitSdl = {});
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    void Open(const std::string& path) override;
    void Play() override;
    void Close() override;
    [[nodiscard]] bool IsOpen() const override { return open_; }
    [[nodiscard]] bool HasDevice() const override { return Start() && deviceError_.empty(); }

    // Why there is no usable device, in SDL's words; empty while there is one.
    [[nodiscard]] const std::string& DeviceError() const {
        (void)Start();
        return deviceError_;
    }

    // An open device keeps a thread of SDL's waking many times a second even when silent,
    // so the device is let go once its sound has ended and opened again for the next one.
    // ReleaseDue is the time (Clock::TickMs) to call ReleaseIfIdle at; empty while no
    // device is open. ReleaseIfIdle closes the device when its queue has drained, and
    // otherwise sets a later time.
    [[nodiscard]] std::optional<std::int64_t> ReleaseDue() const;
    void ReleaseIfIdle(std::int64_t now);
    // Whether a device is open now.
    [[nodiscard]] bool DeviceOpen() const { return device_ != 0; }

private:
    // Starts the audio subsystem once; whether it runs. Asking whether there is a device
    // starts it too, hence const over the start's own state.
    bool Start() const;
    // Opens a device for the sound's format unless the one open already plays it.
    bool EnsureDevice(const WavSound& sound);
    void CloseDevice();

    std::function<void()> awaitSdl_;
    mutable bool tried_ = false;
    mutable bool initialised_ = false;
    mutable std::string deviceError_;
    std::uint32_t device_ = 0;
    SampleFormat deviceFormat_ = SampleFormat::Signed16;
    int deviceChannels_ = 0;
    int deviceRate_ = 0;
    std::int64_t releaseAt_ = 0;
    bool open_ = false;
    WavSound sound_;
};

}  // namespace platform
