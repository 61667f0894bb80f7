#include "platform/sdl/sdl_audio.h"

#include <SDL.h>

#include <utility>

#include "platform/clock.h"

namespace platform {
namespace {

SDL_AudioFormat ToSdl(SampleFormat format) {
    switch (format) {
        case SampleFormat::Unsigned8:
            return AUDIO_U8;
        case SampleFormat::Signed16:
            return AUDIO_S16LSB;
        case SampleFormat::Signed32:
            return AUDIO_S32LSB;
        case SampleFormat::Float32:
            return AUDIO_F32LSB;
    }
    return AUDIO_S16LSB;
}

int BytesPerSample(SampleFormat format) {
    switch (format) {
        case SampleFormat::Unsigned8:
            return 1;
        case SampleFormat::Signed16:
            return 2;
        case SampleFormat::Signed32:
        case SampleFormat::Float32:
            return 4;
    }
    return 2;
}

std::int64_t DurationMs(const WavSound& sound) {
    const std::int64_t bytesPerSecond =
        static_cast<std::int64_t>(sound.sampleRate) * sound.channels * BytesPerSample(sound.format);
    if (bytesPerSecond <= 0) return 0;
    return static_cast<std::int64_t>(sound.samples.size()) * 1000 / bytesPerSecond;
}

std::int64_t Now() { return static_cast<std::int64_t>(Clock::TickMs()); }

// Beyond the sound's own length: the device's buffer still has to play out.
constexpr std::int64_t kDrainMarginMs = 250;
// How long to look again later when the queue has not drained yet.
constexpr std::int64_t kRecheckMs = 100;

}  // namespace

SdlAudio::SdlAudio(std::function<void()> awaitSdl) : awaitSdl_(std::move(awaitSdl)) {}

bool SdlAudio::Start() const {
    if (tried_) return initialised_;
    tried_ = true;
    if (awaitSdl_) awaitSdl_();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        initialised_ = true;
    } else {
        deviceError_ = SDL_GetError();
    }
    return initialised_;
}

SdlAudio::~SdlAudio() {
    CloseDevice();
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::Open(const std::string& path) {
    Close();
    sound_ = LoadWav(path);
    open_ = true;
}

void SdlAudio::Play() {
    if (!open_ || !Start() || !EnsureDevice(sound_)) return;
    SDL_ClearQueuedAudio(device_);
    if (SDL_QueueAudio(device_, sound_.samples.data(), static_cast<Uint32>(sound_.samples.size())) != 0) return;
    SDL_PauseAudioDevice(device_, 0);
    releaseAt_ = Now() + DurationMs(sound_) + kDrainMarginMs;
}

void SdlAudio::Close() {
    if (!open_) return;
    if (device_ != 0) {
        SDL_PauseAudioDevice(device_, 1);
        SDL_ClearQueuedAudio(device_);
        releaseAt_ = Now();
    }
    sound_ = {};
    open_ = false;
}

bool SdlAudio::EnsureDevice(const WavSound& sound) {
    if (device_ != 0 && deviceFormat_ == sound.format && deviceChannels_ == sound.channels &&
        deviceRate_ == sound.sampleRate) {
        return true;
    }
    CloseDevice();
    SDL_AudioSpec wanted{};
    wanted.freq = sound.sampleRate;
    wanted.format = ToSdl(sound.format);
    wanted.channels = static_cast<Uint8>(sound.channels);
    wanted.samples = 1024;
    // Without allowed changes SDL converts to whatever the device really runs at.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        deviceError_ = SDL_GetError();
        return false;
    }
    deviceError_.clear();
    deviceFormat_ = sound.format;
    deviceChannels_ = sound.channels;
    deviceRate_ = sound.sampleRate;
    return true;
}

std::optional<std::int64_t> SdlAudio::ReleaseDue() const {
    if (device_ == 0) return std::nullopt;
    return releaseAt_;
}

void SdlAudio::ReleaseIfIdle(std::int64_t now) {
    if (device_ == 0 || now < releaseAt_) return;
    if (SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_PLAYING && SDL_GetQueuedAudioSize(device_) > 0) {
        releaseAt_ = now + kRecheckMs;
        return;
    }
    CloseDevice();
}

void SdlAudio::CloseDevice() {
    if (device_ == 0) return;
    SDL_CloseAudioDevice(device_);
    device_ = 0;
}

}  // namespace platform
