#include "platform/headless/headless_audio.h"

#include <gtest/gtest.h>

#include "sound/wav_fixture.h"

namespace {

using platform::HeadlessAudio;
using Kind = HeadlessAudio::Event::Kind;

TEST(HeadlessAudio, NothingOpenMeansNothingToPlayOrClose) {
    HeadlessAudio audio;
    audio.Play();
    audio.Close();
    EXPECT_TRUE(audio.Events().empty());
    EXPECT_FALSE(audio.IsOpen());
}

TEST(HeadlessAudio, OpeningAnotherFileClosesTheFirst) {
    soundtest::TempDir dir("burdomir-headless");
    const std::string a = dir.Write("a.wav", soundtest::ShortCue());
    const std::string b = dir.Write("b.wav", soundtest::ShortCue());
    HeadlessAudio audio;
    audio.Open(a);
    audio.Play();
    audio.Open(b);
    ASSERT_EQ(audio.Events().size(), 4u);
    EXPECT_EQ(audio.Events()[2].kind, Kind::Close);
    EXPECT_EQ(audio.Events()[2].path, a);
    EXPECT_EQ(audio.Sounding(), "");
}

TEST(HeadlessAudio, ReportsWhetherItHasADevice) {
    EXPECT_TRUE(HeadlessAudio().HasDevice());
    EXPECT_FALSE(HeadlessAudio(false).HasDevice());
}

}  // namespace
