#include "controls/ranges/auto_repeat.h"

#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/headless/driver.h"

namespace {

TEST(AutoRepeatTest, FirstStepAfterSixHundredMillisecondsThenEveryHundred) {
    platform::headless::Driver driver;
    auto& form = driver.App().CreateForm<platform::Form>();
    controls::AutoRepeat repeat;
    int steps = 0;
    repeat.OnStep = [&] { ++steps; };
    repeat.Start(form);
    driver.Advance(599);
    EXPECT_EQ(steps, 0) << "the tick at 500 ms only ends the delay";
    driver.Advance(1);
    EXPECT_EQ(steps, 1);
    driver.Advance(400);
    EXPECT_EQ(steps, 5) << "held for a second";
    repeat.Stop();
    EXPECT_FALSE(repeat.Running());
    driver.Advance(1000);
    EXPECT_EQ(steps, 5);
    EXPECT_FALSE(driver.App().NextDeadline()) << "nothing runs while no button is held";
}

TEST(AutoRepeatTest, RestartCountsAgainAndAStepMayStopTheRepeat) {
    platform::headless::Driver driver;
    auto& form = driver.App().CreateForm<platform::Form>();
    controls::AutoRepeat repeat;
    int steps = 0;
    repeat.OnStep = [&] {
        if (++steps == 2) repeat.Stop();
    };
    repeat.Start(form);
    driver.Advance(550);
    repeat.Restart(form, 50);
    driver.Advance(49);
    EXPECT_EQ(steps, 0);
    driver.Advance(1);
    EXPECT_EQ(steps, 1);
    driver.Advance(1000);
    EXPECT_EQ(steps, 2);
}

}  // namespace
