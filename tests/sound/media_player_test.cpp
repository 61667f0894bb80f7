#include "sound/media_player.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_audio.h"
#include "wav_fixture.h"

namespace {

using platform::AudioError;
using platform::HeadlessAudio;
using Event = HeadlessAudio::Event;
using Kind = HeadlessAudio::Event::Kind;

class MediaPlayerTest : public ::testing::Test {
protected:
    soundtest::TempDir dir{"burdomir-player"};
    std::string first = dir.Write("first.wav", soundtest::ShortCue());
    std::string second = dir.Write("second.wav", soundtest::ShortCue());
    std::string missing = (dir.path() / "missing.wav").string();
};

// The message the audio output itself gives for path.
std::string AudioText(const std::string& path) {
    HeadlessAudio audio;
    try {
        audio.Open(path);
    } catch (const AudioError& e) {
        return e.what();
    }
    return "";
}

TEST_F(MediaPlayerTest, AMissingCueRaisesTheAudioSystemsText) {
    HeadlessAudio audio;
    sound::TMediaPlayer player(audio);
    const std::string expected = AudioText(missing);
    ASSERT_NE(expected.find("missing.wav"), std::string::npos) << expected;
    try {
        player.PlayCue(missing);
        FAIL() << "no error for a missing cue";
    } catch (const AudioError& e) {
        EXPECT_EQ(std::string(e.what()), expected);
    }
}

TEST_F(MediaPlayerTest, AFileThatIsNoWavRaises) {
    HeadlessAudio audio;
    sound::TMediaPlayer player(audio);
    const std::string text = dir.Write("text.wav", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'});
    EXPECT_THROW(player.PlayCue(text), AudioError);
    EXPECT_FALSE(audio.IsOpen());
}

TEST_F(MediaPlayerTest, ACueOpensAndStartsAtOnce) {
    HeadlessAudio audio;
    sound::TMediaPlayer player(audio);
    player.PlayCue(first);
    EXPECT_EQ(audio.Events(), (std::vector<Event>{{Kind::Open, first}, {Kind::Play, first}}));
    EXPECT_EQ(audio.Sounding(), first);
}

TEST_F(MediaPlayerTest, ANewCueCutsThePreviousOne) {
    HeadlessAudio audio;
    sound::TMediaPlayer player(audio);
    player.PlayCue(first);
    player.PlayCue(second);
    EXPECT_EQ(audio.Events(), (std::vector<Event>{{Kind::Open, first},
                                                  {Kind::Play, first},
                                                  {Kind::Close, first},
                                                  {Kind::Open, second},
                                                  {Kind::Play, second}}));
    EXPECT_EQ(audio.Sounding(), second);
}

TEST_F(MediaPlayerTest, AMissingCueStillCutsThePreviousOne) {
    HeadlessAudio audio;
    sound::TMediaPlayer player(audio);
    player.PlayCue(first);
    EXPECT_THROW(player.PlayCue(missing), AudioError);
    EXPECT_EQ(audio.Sounding(), "");
    EXPECT_FALSE(audio.IsOpen());
}

TEST_F(MediaPlayerTest, SameCueTwiceRestartsIt) {
    HeadlessAudio audio;
    sound::TMediaPlayer player(audio);
    player.PlayCue(first);
    player.PlayCue(first);
    EXPECT_EQ(audio.Events().size(), 5u);
    EXPECT_EQ(audio.Events()[2], (Event{Kind::Close, first}));
    EXPECT_EQ(audio.Sounding(), first);
}

TEST_F(MediaPlayerTest, WithoutADeviceCuesAreSilentButStillChecked) {
    HeadlessAudio audio(false);
    sound::TMediaPlayer player(audio);
    EXPECT_NO_THROW(player.PlayCue(first));
    EXPECT_TRUE(audio.IsOpen());
    EXPECT_EQ(audio.Sounding(), "");
    EXPECT_THROW(player.PlayCue(missing), AudioError);
}

TEST_F(MediaPlayerTest, AFailureToStartIsIgnored) {
    HeadlessAudio audio;
    audio.SetStartFails(true);
    sound::TMediaPlayer player(audio);
    EXPECT_NO_THROW(player.PlayCue(first));
    EXPECT_TRUE(audio.IsOpen());
    EXPECT_EQ(audio.Sounding(), "");
}

}  // namespace
