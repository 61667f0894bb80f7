#include "platform/sdl/sdl_audio.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "sound/wav_fixture.h"

namespace {

using platform::AudioError;
using platform::SdlAudio;

// Chooses SDL's audio driver for one test and restores the previous choice afterwards.
class DriverGuard {
public:
    explicit DriverGuard(const char* driver) {
        if (const char* value = std::getenv("SDL_AUDIODRIVER")) saved_ = value;
        setenv("SDL_AUDIODRIVER", driver, 1);
    }
    ~DriverGuard() {
        if (saved_) {
            setenv("SDL_AUDIODRIVER", saved_->c_str(), 1);
        } else {
            unsetenv("SDL_AUDIODRIVER");
        }
    }

private:
    std::optional<std::string> saved_;
};

class SdlAudioTest : public ::testing::Test {
protected:
    soundtest::TempDir dir{"burdomir-sdl-audio"};
    std::string cue = dir.Write("cue.wav", soundtest::MakeWav(1, 1, 22050, 16, std::vector<std::uint8_t>(4410, 0)));
    std::string stereo =
        dir.Write("stereo.wav", soundtest::MakeWav(1, 2, 8000, 8, std::vector<std::uint8_t>(800, 128)));
};

TEST_F(SdlAudioTest, PlaysAndCutsOnTheDummyDevice) {
    DriverGuard driver("dummy");
    SdlAudio audio;
    ASSERT_TRUE(audio.HasDevice()) << audio.DeviceError();
    audio.Open(cue);
    audio.Play();
    EXPECT_TRUE(audio.HasDevice()) << audio.DeviceError();
    audio.Open(stereo);
    audio.Play();
    EXPECT_TRUE(audio.HasDevice()) << audio.DeviceError();
    audio.Close();
    EXPECT_FALSE(audio.IsOpen());
}

TEST_F(SdlAudioTest, AMissingFileRaisesTheDecodersText) {
    DriverGuard driver("dummy");
    SdlAudio audio;
    const std::string missing = (dir.path() / "missing.wav").string();
    try {
        audio.Open(missing);
        FAIL() << "no error";
    } catch (const AudioError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
    }
    EXPECT_FALSE(audio.IsOpen());
}

TEST_F(SdlAudioTest, WithoutADriverItIsSilentButStillChecksFiles) {
    DriverGuard driver("no-such-audio-driver");
    SdlAudio audio;
    EXPECT_FALSE(audio.HasDevice());
    EXPECT_FALSE(audio.DeviceError().empty());
    audio.Open(cue);
    EXPECT_NO_THROW(audio.Play());
    EXPECT_TRUE(audio.IsOpen());
    EXPECT_THROW(audio.Open((dir.path() / "missing.wav").string()), AudioError);
}

// The message an output gives for a file it cannot open.
std::string OpenError(SdlAudio& audio, const std::string& path) {
    try {
        audio.Open(path);
    } catch (const AudioError& e) {
        return e.what();
    }
    return {};
}

TEST_F(SdlAudioTest, WithoutADriverEveryCallIsSafeAndAMissingFileReadsAsWithOne) {
    const std::string missing = (dir.path() / "missing.wav").string();
    std::string withDevice;
    {
        DriverGuard driver("dummy");
        SdlAudio audio;
        withDevice = OpenError(audio, missing);
    }
    DriverGuard driver("no-such-audio-driver");
    SdlAudio audio;
    EXPECT_NO_THROW(audio.Play()) << "nothing open";
    EXPECT_NO_THROW(audio.Close()) << "nothing open";
    for (const std::string& path : {cue, stereo, cue}) {
        audio.Open(path);
        EXPECT_NO_THROW(audio.Play());
        EXPECT_NO_THROW(audio.Play()) << "again while it would still sound";
    }
    audio.Close();
    EXPECT_FALSE(audio.IsOpen());
    EXPECT_FALSE(audio.HasDevice()) << "playing did not find a device after all";
    EXPECT_FALSE(withDevice.empty());
    EXPECT_EQ(OpenError(audio, missing), withDevice);
    EXPECT_FALSE(audio.IsOpen());

    SdlAudio second;  // a later output on the same failed driver is as safe
    EXPECT_FALSE(second.HasDevice());
    second.Open(cue);
    EXPECT_NO_THROW(second.Play());
}

// On a machine whose driver starts but finds no card (a server, a container) the device only
// fails when a sound is played; that must stay as quiet as a missing driver.
TEST_F(SdlAudioTest, TheMachinesOwnDriverPlaysOrStaysSilentWithoutThrowing) {
    DriverGuard driver("");
    SdlAudio audio;
    for (const std::string& path : {cue, stereo}) {
        audio.Open(path);
        EXPECT_NO_THROW(audio.Play());
        EXPECT_EQ(audio.HasDevice(), audio.DeviceError().empty()) << audio.DeviceError();
    }
    audio.Close();
    EXPECT_FALSE(audio.IsOpen());
}

}  // namespace
