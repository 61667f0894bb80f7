#include <gtest/gtest.h>

#include <string>

#include "platform/wav_file.h"

namespace {

// The cue files shipped in sound/ must be what the generator promises: short 22050 Hz
// 16-bit mono sounds, each different from the others.
TEST(ShippedCues, AllSevenAreShortMonoSixteenBit) {
    const char* names[] = {"zapusk", "perexod", "drink", "eat", "med", "dunka", "death"};
    std::vector<std::vector<std::uint8_t>> seen;
    for (const char* name : names) {
        const std::string path = std::string(BURDOMIR_SOURCE_DIR) + "/sound/" + name + ".wav";
        const platform::WavSound cue = platform::LoadWav(path);
        EXPECT_EQ(cue.format, platform::SampleFormat::Signed16) << name;
        EXPECT_EQ(cue.channels, 1) << name;
        EXPECT_EQ(cue.sampleRate, 22050) << name;
        const double seconds = static_cast<double>(cue.samples.size()) / 2 / cue.sampleRate;
        EXPECT_GE(seconds, 0.2) << name;
        EXPECT_LE(seconds, 1.5) << name;
        for (const auto& other : seen) EXPECT_NE(cue.samples, other) << name;
        seen.push_back(cue.samples);
    }
}

}  // namespace
