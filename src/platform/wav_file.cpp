#include "platform/wav_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

namespace platform {
namespace {

constexpr std::uint32_t kFormatPcm = 1;
constexpr std::uint32_t kFormatFloat = 3;
constexpr std::uint32_t kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 8;
constexpr std::uint32_t kMaxSampleRate = 384000;
// Cues are short; a file beyond this is not one of ours and would only tie up memory.
constexpr std::streamoff kMaxFileBytes = 64 * 1024 * 1024;

std::uint32_t U16At(std::span<const std::uint8_t> d, std::size_t at) { return d[at] | (std::uint32_t{d[at + 1]} << 8); }
std::uint32_t U32At(std::span<const std::uint8_t> d, std::size_t at) { return U16At(d, at) | (U16At(d, at + 2) << 16); }
bool TagAt(std::span<const std::uint8_t> d, std::size_t at, const char* tag) {
    return std::memcmp(d.data() + at, tag, 4) == 0;
}

// The fields of the format chunk this decoder uses.
struct Format {
    std::uint32_t tag = 0;
    int channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t blockAlign = 0;
    std::uint32_t bits = 0;
};

Format ReadFormat(std::span<const std::uint8_t> chunk, const std::string& name) {
    if (chunk.size() < 16) throw AudioError(name + ": the format chunk is too short");
    Format f;
    f.tag = U16At(chunk, 0);
    f.channels = static_cast<int>(U16At(chunk, 2));
    f.sampleRate = U32At(chunk, 4);
    f.blockAlign = U16At(chunk, 12);
    f.bits = U16At(chunk, 14);
    if (f.tag == kFormatExtensible) {
        // The real format is the first two bytes of the sub-format identifier.
        if (chunk.size() < 26) throw AudioError(name + ": the extended format chunk is too short");
        f.tag = U16At(chunk, 24);
    }
    return f;
}

SampleFormat CheckFormat(const Format& f, const std::string& name) {
    if (f.tag != kFormatPcm && f.tag != kFormatFloat) {
        throw AudioError(name + ": compressed sound (WAV format " + std::to_string(f.tag) +
                         ") is not supported; save it as plain PCM");
    }
    if (f.channels < 1 || f.channels > kMaxChannels) {
        throw AudioError(name + ": " + std::to_string(f.channels) + " channels are not supported (1 to 8)");
    }
    if (f.sampleRate == 0 || f.sampleRate > kMaxSampleRate) {
        throw AudioError(name + ": the sample rate " + std::to_string(f.sampleRate) + " Hz is not supported");
    }
    std::optional<SampleFormat> format;
    if (f.tag == kFormatPcm && f.bits == 8) format = SampleFormat::Unsigned8;
    if (f.tag == kFormatPcm && f.bits == 16) format = SampleFormat::Signed16;
    if (f.tag == kFormatPcm && f.bits == 32) format = SampleFormat::Signed32;
    if (f.tag == kFormatFloat && f.bits == 32) format = SampleFormat::Float32;
    if (!format) {
        throw AudioError(name + ": " + std::to_string(f.bits) + "-bit " + (f.tag == kFormatFloat ? "float" : "PCM") +
                         " samples are not supported (8, 16 or 32-bit PCM, or 32-bit float)");
    }
    if (f.blockAlign != static_cast<std::uint32_t>(f.channels) * f.bits / 8) {
        throw AudioError(name + ": the block size " + std::to_string(f.blockAlign) + " does not match " +
                         std::to_string(f.channels) + " channels of " + std::to_string(f.bits) + " bits");
    }
    return *format;
}

}  // namespace

WavSound ParseWav(std::span<const std::uint8_t> bytes, const std::string& name) {
    if (bytes.size() < 12 || !TagAt(bytes, 0, "RIFF") || !TagAt(bytes, 8, "WAVE")) {
        throw AudioError(name + ": not a WAV file (no RIFF/WAVE header)");
    }
    std::optional<Format> format;
    std::optional<std::span<const std::uint8_t>> data;
    std::size_t at = 12;
    while (bytes.size() - at >= 8) {
        const std::uint32_t size = U32At(bytes, at + 4);
        const bool isFormat = TagAt(bytes, at, "fmt ");
        const bool isData = TagAt(bytes, at, "data");
        if (size > bytes.size() - at - 8) {
            if (isFormat || isData) throw AudioError(name + ": the file is cut short");
            break;  // A damaged chunk after what we need is of no concern.
        }
        const auto chunk = bytes.subspan(at + 8, size);
        if (isFormat && !format) format = ReadFormat(chunk, name);
        if (isData && !data) data = chunk;
        // Chunks are padded to an even length.
        at += 8 + std::size_t{size} + (size & 1u);
        if (at > bytes.size()) break;
    }
    if (!format) throw AudioError(name + ": the WAV file has no format chunk");
    if (!data) throw AudioError(name + ": the WAV file has no sound data");

    WavSound sound;
    sound.format = CheckFormat(*format, name);
    sound.channels = format->channels;
    sound.sampleRate = static_cast<int>(format->sampleRate);
    // A partial frame at the end cannot be played; it is dropped.
    const std::size_t whole = data->size() - data->size() % format->blockAlign;
    sound.samples.assign(data->begin(), data->begin() + static_cast<std::ptrdiff_t>(whole));
    return sound;
}

WavSound LoadWav(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) throw AudioError(path + ": the file cannot be opened (" + std::strerror(errno) + ")");
    const std::streamoff size = file.tellg();
    if (size < 0) throw AudioError(path + ": the file cannot be read");
    if (size > kMaxFileBytes) throw AudioError(path + ": the file is larger than 64 MB, too large for a sound cue");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), size);
    if (!file) throw AudioError(path + ": the file cannot be read");
    return ParseWav(bytes, path);
}

}  // namespace platform
