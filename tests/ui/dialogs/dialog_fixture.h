#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Unit10.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"
#include "ui/Unit8.h"
#include "ui/Unit9.h"
#include "ui/program_fixture.h"

namespace uitest {

// The whole program on the headless window system with the game started under a name
// accepted by the start window, ready for the dialogs.
class DialogTest : public ProgramTest {
protected:
    // audioDevice false builds the program on a machine without a sound device.
    explicit DialogTest(bool audioDevice = true) : ProgramTest(audioDevice) {}

    void SetUp() override {
        ProgramTest::SetUp();
        StartGame();
        ASSERT_TRUE(Form2().Visible());
    }

    game::GameState& State() const { return Form2().Game().State; }

    // The cue files opened so far, in order.
    std::vector<std::string> Cues() {
        std::vector<std::string> cues;
        for (const auto& e : driver.Backend().Sound().Events())
            if (e.kind == platform::HeadlessAudio::Event::Kind::Open) cues.push_back(e.path);
        return cues;
    }
    // The texts of the message boxes shown so far.
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : driver.Messages()) texts.push_back(m.text);
        return texts;
    }
};

}  // namespace uitest
