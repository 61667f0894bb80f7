#include "controls/base/morph_fader.h"

#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/headless/driver.h"

namespace {

class MorphFaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = &driver.App().CreateForm<platform::Form>();
        control = &form->Make<platform::WinControl>();
        form->Show();
    }
    platform::headless::Driver driver;
    platform::Form* form = nullptr;
    platform::WinControl* control = nullptr;
    bool hot = true;
    bool fading = true;
    int repaints = 0;
    controls::MorphFader fader{[this] { return hot; }, [this] { return fading; }, [this] { ++repaints; }};
};

TEST_F(MorphFaderTest, StepsByAFifthEveryTwentyMillisecondsAndStopsAtTheEnd) {
    fader.Start(*control);
    driver.Advance(19);
    EXPECT_EQ(fader.Level(), 0);
    driver.Advance(1);
    EXPECT_DOUBLE_EQ(fader.Level(), 0.2);
    driver.Advance(80);
    EXPECT_DOUBLE_EQ(fader.Level(), 1.0);
    EXPECT_TRUE(fader.Running());
    driver.Advance(20);  // landing tick
    EXPECT_FALSE(fader.Running());
    EXPECT_EQ(repaints, 6);
    // Back towards normal once the control no longer looks hot.
    hot = false;
    fader.Start(*control);
    driver.Advance(40);
    EXPECT_DOUBLE_EQ(fader.Level(), 0.6);
}

TEST_F(MorphFaderTest, FadingSwitchedOffLandsWithoutARepaint) {
    fader.Start(*control);
    fading = false;
    driver.Advance(20);
    EXPECT_EQ(fader.Level(), 1);
    EXPECT_FALSE(fader.Running());
    EXPECT_EQ(repaints, 0);
}

TEST(MorphFader, WithoutAWindowLandsAndRepaintsAtOnce) {
    platform::WinControl orphan;
    int repaints = 0;
    controls::MorphFader fader([] { return true; }, [] { return true; }, [&] { ++repaints; });
    fader.Start(orphan);
    EXPECT_EQ(fader.Level(), 1);
    EXPECT_EQ(repaints, 1);
}

}  // namespace
