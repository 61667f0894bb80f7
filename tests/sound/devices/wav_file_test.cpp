#include "platform/wav_file.h"

#include <gtest/gtest.h>

#include <string>

#include "sound/wav_fixture.h"

namespace {

using platform::AudioError;
using platform::ParseWav;
using platform::SampleFormat;
using soundtest::MakeWav;
using Bytes = std::vector<std::uint8_t>;

std::string ParseError(const Bytes& bytes) {
    try {
        (void)ParseWav(bytes, "cue.wav");
    } catch (const AudioError& e) {
        return e.what();
    }
    return "";
}

void ExpectErrorMentions(const Bytes& bytes, const std::string& words) {
    const std::string error = ParseError(bytes);
    EXPECT_NE(error.find(words), std::string::npos) << "error was: '" << error << "'";
    EXPECT_EQ(error.rfind("cue.wav: ", 0), 0u) << error;
}

TEST(WavDecode, SampleFormatsTheDevicesTake) {
    const auto u8 = ParseWav(MakeWav(1, 1, 8000, 8, {1, 2, 3}), "a");
    EXPECT_EQ(u8.format, SampleFormat::Unsigned8);
    EXPECT_EQ(u8.samples, (Bytes{1, 2, 3}));
    const auto s16 = ParseWav(MakeWav(1, 2, 44100, 16, {1, 2, 3, 4}), "b");
    EXPECT_EQ(s16.format, SampleFormat::Signed16);
    EXPECT_EQ(s16.channels, 2);
    EXPECT_EQ(s16.sampleRate, 44100);
    EXPECT_EQ(ParseWav(MakeWav(1, 1, 8000, 32, {0, 0, 0, 1}), "c").format, SampleFormat::Signed32);
    EXPECT_EQ(ParseWav(MakeWav(3, 1, 8000, 32, {0, 0, 0x80, 0x3F}), "d").format, SampleFormat::Float32);
}

TEST(WavDecode, ExtensibleFormatUsesItsSubFormat) {
    Bytes file = MakeWav(1, 1, 8000, 16, {5, 6});
    // Grow the format chunk to the 40-byte extensible form: tag 0xFFFE, sub-format PCM.
    file[20] = 0xFE;
    file[21] = 0xFF;
    file[16] = 40;
    Bytes extension(24, 0);
    extension[0] = 22;  // size of the extension
    extension[8] = 1;   // the first two bytes of the sub-format identifier: PCM
    file.insert(file.begin() + 36, extension.begin(), extension.end());
    const auto sound = ParseWav(file, "x");
    EXPECT_EQ(sound.format, SampleFormat::Signed16);
    EXPECT_EQ(sound.samples, (Bytes{5, 6}));
}

TEST(WavDecode, OtherChunksAndPaddingAreSkipped) {
    Bytes file = MakeWav(1, 1, 8000, 8, {7, 8});
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    file.insert(file.begin() + 12, list.begin(), list.end());
    EXPECT_EQ(ParseWav(file, "x").samples, (Bytes{7, 8}));
}

TEST(WavDecode, APartialFrameAtTheEndIsDropped) {
    EXPECT_EQ(ParseWav(MakeWav(1, 2, 8000, 16, {1, 2, 3, 4, 5, 6, 7}), "x").samples.size(), 4u);
}

TEST(WavHostile, NotARiffWaveFile) {
    ExpectErrorMentions({}, "not a WAV file");
    Bytes file = MakeWav(1, 1, 8000, 8, {1});
    file[8] = 'X';
    ExpectErrorMentions(file, "not a WAV file");
}

TEST(WavHostile, CompressedAndUnsupportedSamples) {
    ExpectErrorMentions(MakeWav(2, 1, 8000, 4, {1, 2}), "compressed sound (WAV format 2)");
    ExpectErrorMentions(MakeWav(1, 1, 8000, 24, {1, 2, 3}), "24-bit PCM samples are not supported");
    ExpectErrorMentions(MakeWav(3, 1, 8000, 64, Bytes(8)), "64-bit float");
    ExpectErrorMentions(MakeWav(1, 0, 8000, 16, {}), "0 channels");
    ExpectErrorMentions(MakeWav(1, 9, 8000, 8, Bytes(9)), "9 channels");
    ExpectErrorMentions(MakeWav(1, 1, 0, 16, {}), "sample rate 0 Hz");
}

TEST(WavHostile, BlockSizeThatDoesNotMatchTheFormat) {
    Bytes file = MakeWav(1, 2, 8000, 16, {1, 2, 3, 4});
    file[32] = 0;  // block align 0 would divide by zero
    ExpectErrorMentions(file, "block size 0");
}

TEST(WavHostile, MissingChunks) {
    Bytes noData = MakeWav(1, 1, 8000, 8, {});
    noData.resize(36);
    ExpectErrorMentions(noData, "no sound data");
    Bytes noFormat = MakeWav(1, 1, 8000, 8, {1});
    noFormat[12] = 'x';
    ExpectErrorMentions(noFormat, "no format chunk");
}

TEST(WavHostile, TruncatedAtEveryByte) {
    const Bytes full = MakeWav(1, 1, 8000, 16, {1, 2, 3, 4, 5, 6});
    for (std::size_t size = 0; size < full.size(); ++size) {
        EXPECT_FALSE(ParseError(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size))).empty())
            << "cut at " << size;
    }
}

TEST(WavHostile, HugeChunkSizesDoNotReadPastTheEnd) {
    Bytes file = MakeWav(1, 1, 8000, 8, {1, 2});
    file[40] = file[41] = file[42] = file[43] = 0xFF;
    ExpectErrorMentions(file, "cut short");
    Bytes format = MakeWav(1, 1, 8000, 8, {1, 2});
    format[16] = format[17] = format[18] = format[19] = 0xFF;
    ExpectErrorMentions(format, "cut short");
}

TEST(WavFiles, UnreadablePathsNameThemselves) {
    try {
        (void)platform::LoadWav("/nonexistent/burdomir/cue.wav");
        FAIL() << "no error";
    } catch (const AudioError& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("/nonexistent/burdomir/cue.wav"), std::string::npos);
        EXPECT_NE(text.find("No such file or directory"), std::string::npos) << text;
    }
    soundtest::TempDir dir("burdomir-wav");
    EXPECT_THROW((void)platform::LoadWav(dir.path().string()), AudioError);
}

TEST(WavFiles, ReadsWhatWasWritten) {
    soundtest::TempDir dir("burdomir-wav");
    const std::string path = dir.Write("cue.wav", MakeWav(1, 1, 11025, 8, {9, 8, 7}));
    const auto sound = platform::LoadWav(path);
    EXPECT_EQ(sound.sampleRate, 11025);
    EXPECT_EQ(sound.samples, (Bytes{9, 8, 7}));
}

}  // namespace
