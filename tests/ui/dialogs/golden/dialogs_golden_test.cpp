// Each dialog as the player first sees it and after its key actions, pixel for pixel, with
// the random draws pinned so that the outcomes are always the same.
#include <gtest/gtest.h>

#include "support/golden.h"
#include "ui/dialogs/dialog_fixture.h"

namespace {

using testsupport::MatchesGolden;
using uitest::DialogTest;

TEST_F(DialogTest, TrainingGolden) {
    State().Money = 700;
    Form2().Label12Click();
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form5()), "Dialog_Training_First"));
    driver.ClickControl(program->Form5().spSkinButton1);
    EXPECT_TRUE(MatchesGolden(driver.Pixels(program->Form5()), "Dialog_Training_AfterOneLevel"));
}

}  // namespace
