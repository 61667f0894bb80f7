#include "platform/sdl/sdl_audio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "sound/wav_fixture.h"
#include "support/env_guard.h"

namespace {

using platform::AudioError;
using platform::SdlAudio;
using testsupport::EnvGuard;

class SdlAudioTest : public ::testing::Test {
protected:
    soundtest::TempDir dir{"burdomir-sdl-audio"};
    std::string cue = dir.Write("cue.wav", soundtest::MakeWav(1, 1, 22050, 16, std::vector<std::uint8_t>(4410, 0)));
    std::string stereo =
        dir.Write("stereo.wav", soundtest::MakeWav(1, 2, 8000, 8, std::vector<std::uint8_t>(800, 128)));
};

TEST_F(SdlAudioTest, PlaysAndCutsOnTheDummyDevice) {
    const EnvGuard driver("SDL_AUDIODRIVER", "dummy");
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

// The backend starts SDL on a thread of its own while the program builds its windows, so
// the audio makes no SDL call before the backend's wait, and waits only once.
TEST_F(SdlAudioTest, StartsAtTheFirstNeedAfterTheBackendsWait) {
    const EnvGuard driver("SDL_AUDIODRIVER", "dummy");
    int waits = 0;
    SdlAudio audio([&waits] { ++waits; });
    audio.Open(cue);
    EXPECT_EQ(waits, 0) << "opening a file needs no SDL";
    audio.Play();
    EXPECT_EQ(waits, 1);
    EXPECT_TRUE(audio.HasDevice()) << audio.DeviceError();
    audio.Play();
    EXPECT_EQ(waits, 1);
}

// An open device runs a thread of SDL's even when silent; it goes once the sound has ended
// (the cue is 0.1 s long), or at once when the sound is cut, and comes back for the next.
TEST_F(SdlAudioTest, TheDeviceIsLetGoOnceTheSoundHasEnded) {
    const EnvGuard driver("SDL_AUDIODRIVER", "dummy");
    SdlAudio audio;
    EXPECT_FALSE(audio.ReleaseDue());
    audio.Open(cue);
    audio.Play();
    ASSERT_TRUE(audio.DeviceOpen()) << audio.DeviceError();
    ASSERT_TRUE(audio.ReleaseDue());
    audio.ReleaseIfIdle(*audio.ReleaseDue() - 1);
    EXPECT_TRUE(audio.DeviceOpen()) << "kept until its time";

    for (int i = 0; i < 50 && audio.DeviceOpen(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        audio.ReleaseIfIdle(*audio.ReleaseDue());
    }
    EXPECT_FALSE(audio.DeviceOpen());
    EXPECT_FALSE(audio.ReleaseDue());
    EXPECT_TRUE(audio.IsOpen()) << "the file stays open for the next Play";

    audio.Play();
    EXPECT_TRUE(audio.DeviceOpen());
    audio.Close();
    audio.ReleaseIfIdle(*audio.ReleaseDue());
    EXPECT_FALSE(audio.DeviceOpen()) << "a cut sound lets the device go at the next chance";
}

TEST_F(SdlAudioTest, AMissingFileRaisesTheDecodersText) {
    const EnvGuard driver("SDL_AUDIODRIVER", "dummy");
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
    const EnvGuard driver("SDL_AUDIODRIVER", "no-such-audio-driver");
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
        const EnvGuard driver("SDL_AUDIODRIVER", "dummy");
        SdlAudio audio;
        withDevice = OpenError(audio, missing);
    }
    const EnvGuard driver("SDL_AUDIODRIVER", "no-such-audio-driver");
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
    const EnvGuard driver("SDL_AUDIODRIVER", "");
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
