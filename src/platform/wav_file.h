#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace platform {

// How the samples of a WAV file are stored.
enum class SampleFormat { Unsigned8, Signed16, Signed32, Float32 };

// A decoded WAV file: interleaved little-endian samples ready for an audio device.
struct WavSound {
    SampleFormat format = SampleFormat::Signed16;
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::uint8_t> samples;
};

// Decodes a RIFF/WAVE file holding PCM (8, 16 or 32 bits) or 32-bit float samples. Throws
// AudioError naming what is wrong; name is used in the message.
[[nodiscard]] WavSound ParseWav(std::span<const std::uint8_t> bytes, const std::string& name);

// Reads and decodes the WAV file at path. Throws AudioError when it cannot be read or decoded.
[[nodiscard]] WavSound LoadWav(const std::string& path);

}  // namespace platform
