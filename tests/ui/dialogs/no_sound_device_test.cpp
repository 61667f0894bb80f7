// The game on a machine without a sound device: every action that plays a cue still happens,
// nothing sounds and no error box appears, while a missing cue file is still reported exactly
// as it is with a device.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "platform/headless/headless_audio.h"

namespace {

using platform::MessageKind;
using uitest::DialogTest;

class NoSoundDeviceTest : public DialogTest {
protected:
    NoSoundDeviceTest() : DialogTest(/*audioDevice=*/false) {}

    // Checks that nothing has sounded and no error reached the error box so far.
    void ExpectSilentAndNoError(const std::string& step) {
        EXPECT_EQ(driver.Backend().Sound().Sounding(), "") << step;
        for (const auto& m : driver.Messages()) EXPECT_NE(m.kind, MessageKind::Error) << step << ": " << m.text;
    }
    // Whether a cue file was opened, and so checked, at some point.
    bool Checked(const std::string& cue) {
        const std::vector<std::string> cues = Cues();
        return std::find(cues.begin(), cues.end(), cue) != cues.end();
    }
};

TEST_F(NoSoundDeviceTest, TheProgramRunsOnASilentOutput) { EXPECT_FALSE(driver.App().GetAudio()->HasDevice()); }

TEST_F(NoSoundDeviceTest, DrinkingEatingAndHealingHappenSilently) {
    State().Beer = 2;
    State().Bread = 1;
    State().Vitamins = 1;

    driver.ClickControl(*Form2().spSkinButton3);
    ASSERT_TRUE(program->Form6().Visible());
    program->Form6().spSkinTrackBar1.SetValue(2);
    driver.ClickControl(program->Form6().spSkinButton1);
    EXPECT_EQ(State().Drunkenness, 44);
    EXPECT_EQ(State().Bottles, 2);
    EXPECT_EQ(Form2().Label25->Caption(), "44/100");
    EXPECT_FALSE(program->Form6().Visible());
    ExpectSilentAndNoError("drinking");

    driver.ClickControl(*Form2().spSkinButton4);
    program->Form7().spSkinTrackBar1.SetValue(1);
    driver.ClickControl(program->Form7().spSkinButton1);
    EXPECT_EQ(State().Satiety, 92);
    EXPECT_FALSE(program->Form7().Visible());
    ExpectSilentAndNoError("eating");

    driver.ClickControl(*Form2().spSkinButton6);
    program->Form8().spSkinTrackBar1.SetValue(1);
    driver.ClickControl(program->Form8().spSkinButton1);
    EXPECT_EQ(State().Liver, 93);
    EXPECT_FALSE(program->Form8().Visible());
    ExpectSilentAndNoError("healing");

    for (const char* cue : {"sound/zapusk.wav", "sound/drink.wav", "sound/eat.wav", "sound/med.wav"})
        EXPECT_TRUE(Checked(cue)) << cue;
    EXPECT_TRUE(driver.Messages().empty());
}

TEST_F(NoSoundDeviceTest, SearchingBeggingReturningTrainingAndCourtingHappenSilently) {
    ShowTab(2);
    seed = SeedWhere(20, [](std::uint32_t n) { return n == 13; });
    driver.ClickControl(*Form2().Label10);
    ASSERT_TRUE(program->Form10().Visible());
    driver.ClickControl(program->Form10().spSkinCheckRadioBox3);
    driver.ClickControl(program->Form10().spSkinButton1);
    EXPECT_EQ(State().Bottles, 13);
    ExpectSilentAndNoError("search");

    State().Notoriety = 90;  // every attempt fails, which closes the dialog
    driver.Script([&] {
        driver.ClickControl(program->Form9().spSkinCheckRadioBox1);
        driver.ClickControl(program->Form9().spSkinCheckRadioBox4);
        driver.ClickControl(program->Form9().spSkinButton1);
    });
    driver.ClickControl(*Form2().Label11);
    EXPECT_EQ(State().Liver, 80);
    EXPECT_FALSE(program->Form9().Visible());
    ExpectSilentAndNoError("begging");

    driver.ClickControl(*Form2().Label13);
    ASSERT_TRUE(program->Form4().Visible());
    program->Form4().spSkinTrackBar1.SetValue(13);
    driver.ClickControl(program->Form4().spSkinButton1);
    EXPECT_EQ(State().Bottles, 0);
    EXPECT_EQ(State().Money, 1013);
    ExpectSilentAndNoError("return");

    driver.Focus(Form2());
    driver.ClickControl(*Form2().Label12);
    ASSERT_TRUE(program->Form5().Visible());
    driver.ClickControl(program->Form5().spSkinButton1);
    EXPECT_EQ(State().SenseiLevel, 1);
    EXPECT_EQ(State().Money, 713);
    ExpectSilentAndNoError("training");

    State().Roses = 1;
    seed = SeedWhere(100, [](std::uint32_t r) { return r == 80; });
    driver.Focus(Form2());
    ShowTab(3);
    driver.ClickControl(*Form2().Label5);
    ASSERT_TRUE(program->Form3().Visible());
    driver.ClickControl(program->Form3().spSkinButton1);
    EXPECT_GE(State().Moonshine, 6) << "the gift comes although its cue is silent";
    EXPECT_EQ(MessageTexts().back(),
              "Дуньке понравилось! Она дала вам " + std::to_string(State().Moonshine) + " бутылок самогона!");
    ExpectSilentAndNoError("seduction");

    EXPECT_TRUE(Checked("sound/dunka.wav"));
}

TEST_F(NoSoundDeviceTest, TabSwitchesAndBuyingHappenSilently) {
    State().Beer = 4;
    ShowTab(0);
    EXPECT_EQ(Form2().Label29->Caption(), "Пиво - 4");
    ExpectSilentAndNoError("tab switch");

    ShowTab(4);
    driver.ClickControl(*Form2().spSkinCheckRadioBox1);
    driver.ClickControl(*Form2().spSkinButton1);
    EXPECT_EQ(State().Beer, 5);
    EXPECT_EQ(Form2().Label40->Caption(), "Деньги: 970");
    ExpectSilentAndNoError("buying");

    EXPECT_TRUE(Checked("sound/perexod.wav"));
    EXPECT_TRUE(driver.Messages().empty());
}

TEST_F(NoSoundDeviceTest, ADeathStillShowsItsMessageAndEndsTheProgram) {
    State().Drunkenness = 0;
    driver.Advance(1000);
    ASSERT_EQ(MessageTexts(), std::vector<std::string>{"Алкаш умер от недостатка горючих материалов в организме!"});
    EXPECT_EQ(driver.Messages()[0].kind, MessageKind::Information);
    EXPECT_TRUE(Checked("sound/death.wav"));
    EXPECT_EQ(driver.Backend().Sound().Sounding(), "");
    EXPECT_TRUE(driver.App().Terminated());
}

// The error text the audio output gives for a cue file that is not there, with a device.
std::string MissingCueText(const std::string& cue) {
    try {
        platform::HeadlessAudio(true).Open(cue);
    } catch (const platform::AudioError& e) {
        return e.what();
    }
    return {};
}

TEST_F(NoSoundDeviceTest, AMissingCueStopsTheOpeningWithTheSameErrorAsWithADevice) {
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    const std::string expected = MissingCueText("sound/zapusk.wav");
    ASSERT_FALSE(expected.empty());
    driver.ClickControl(*Form2().spSkinButton3);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(driver.Messages()[0].title, "Burdomir");
    EXPECT_EQ(driver.Messages()[0].text, expected);
    EXPECT_FALSE(program->Form6().Visible());
}

TEST_F(NoSoundDeviceTest, AMissingCueInADialogLeavesTheGameAsItWas) {
    State().Vodka = 2;
    driver.ClickControl(*Form2().spSkinButton3);
    program->Form6().spSkinTrackBar3.SetValue(2);
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    const game::GameState before = State();
    driver.ClickControl(program->Form6().spSkinButton1);
    ASSERT_EQ(driver.Messages().size(), 1u);
    EXPECT_EQ(driver.Messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(driver.Messages()[0].text, MissingCueText("sound/drink.wav"));
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(program->Form6().Visible()) << "the drink did not happen, so the dialog stays";
}

// The same opening on a machine with a device sounds, which is what the silence above is
// measured against.
TEST_F(DialogTest, WithADeviceTheStartCueSounds) {
    driver.ClickControl(*Form2().spSkinButton3);
    EXPECT_EQ(driver.Backend().Sound().Sounding(), "sound/zapusk.wav");
}

}  // namespace
