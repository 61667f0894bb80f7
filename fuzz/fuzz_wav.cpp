// fuzz-links: platform
// Feeds arbitrary bytes to the WAV decoder that every audio output opens cues with.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/wav_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const platform::WavSound sound = platform::ParseWav(std::span<const std::uint8_t>(data, size), "fuzz.wav");
        if (sound.samples.size() > size || sound.channels < 1 || sound.sampleRate < 1) std::abort();
    } catch (const platform::AudioError&) {
    }
    return 0;
}
