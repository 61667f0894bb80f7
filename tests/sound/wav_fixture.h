#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace soundtest {

// The bytes of a WAV file with a format chunk (tag, channels, rate, bits) and the given
// sample bytes; block size and byte rate follow from the format.
inline std::vector<std::uint8_t> MakeWav(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                                         std::uint16_t bits, const std::vector<std::uint8_t>& samples) {
    std::vector<std::uint8_t> out;
    auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto tag4 = [&](const char* t) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(t[i]));
    };
    const std::uint32_t block = channels * bits / 8u;
    tag4("RIFF");
    put(static_cast<std::uint32_t>(36 + samples.size()), 4);
    tag4("WAVE");
    tag4("fmt ");
    put(16, 4);
    put(tag, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * block, 4);
    put(block, 2);
    put(bits, 2);
    tag4("data");
    put(static_cast<std::uint32_t>(samples.size()), 4);
    out.insert(out.end(), samples.begin(), samples.end());
    return out;
}

// A short valid 16-bit mono WAV.
inline std::vector<std::uint8_t> ShortCue() { return MakeWav(1, 1, 22050, 16, {0, 0, 0x10, 0x20, 0xF0, 0xDF}); }

// A folder of its own under the system's temporary folder, removed with its content.
class TempDir {
public:
    explicit TempDir(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes bytes to the named file in this folder and returns its path.
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace soundtest
