#include "platform/timer.h"

#include <gtest/gtest.h>

#include "platform/headless/driver.h"
#include "platform/message_box.h"

namespace {

using platform::Form;
using platform::Timer;
using platform::headless::Driver;

// A window whose clock runs only while it is the active window of the program, as the
// game's main window does.
class ClockForm : public Form {
public:
    explicit ClockForm(platform::Application& app) : Form(app), clock(Own<Timer>(app, this)) {
        clock.SetEnabled(false);
        clock.OnTimer = [this](Timer&) { ticks.push_back(App().NowMs()); };
    }
    void FormActivate() override { clock.SetEnabled(true); }
    void FormDeactivate() override { clock.SetEnabled(false); }

    Timer& clock;
    std::vector<std::int64_t> ticks;
};

TEST(TimerTest, FiresEveryIntervalAtItsDeadlines) {
    Driver d;
    Timer t(d.App());
    std::vector<std::int64_t> at;
    t.OnTimer = [&](Timer&) { at.push_back(d.App().NowMs()); };
    t.SetInterval(300);
    d.Advance(1000);
    EXPECT_EQ(at, (std::vector<std::int64_t>{300, 600, 900}));
}

TEST(TimerTest, TimersFireInDeadlineOrder) {
    Driver d;
    Timer slow(d.App()), fast(d.App());
    std::string order;
    slow.SetInterval(250);
    fast.SetInterval(100);
    slow.OnTimer = [&](Timer&) { order += 'S'; };
    fast.OnTimer = [&](Timer&) { order += 'f'; };
    d.Advance(500);
    // At 500 both are due: the one created first goes first.
    EXPECT_EQ(order, "ffSffSf");
}

TEST(TimerTest, StartingAStoppedTimerCountsAFullInterval) {
    Driver d;
    Timer t(d.App());
    int ticks = 0;
    t.OnTimer = [&](Timer&) { ++ticks; };
    t.SetInterval(1000);
    d.Advance(900);
    t.SetEnabled(false);
    d.Advance(500);
    t.SetEnabled(true);
    d.Advance(999);
    EXPECT_EQ(ticks, 0);
    d.Advance(1);
    EXPECT_EQ(ticks, 1);
}

TEST(TimerTest, ChangingTheIntervalRestartsTheCountButTheSameIntervalDoesNot) {
    Driver d;
    Timer t(d.App());
    int ticks = 0;
    t.OnTimer = [&](Timer&) { ++ticks; };
    t.SetInterval(1000);
    d.Advance(800);
    t.SetInterval(1000);
    d.Advance(200);
    EXPECT_EQ(ticks, 1) << "the same interval must not restart the count";
    d.Advance(800);
    t.SetInterval(500);
    d.Advance(499);
    EXPECT_EQ(ticks, 1) << "a new interval counts from the change";
    d.Advance(1);
    EXPECT_EQ(ticks, 2);
}

TEST(TimerTest, ZeroIntervalNeverFires) {
    Driver d;
    Timer t(d.App());
    int ticks = 0;
    t.OnTimer = [&](Timer&) { ++ticks; };
    t.SetInterval(0);
    d.Advance(10000);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(d.App().NextDeadline().has_value());
}

TEST(TimerTest, PausesWhileAMessageBoxIsActiveAndResumesWithAFullInterval) {
    Driver d;
    auto& form = d.App().CreateForm<ClockForm>();
    form.clock.SetInterval(1000);
    form.Show();
    d.Advance(600);
    // While the box is up the clock moves 5 s; the box is then answered.
    d.Script([&] {
        d.Advance(5000);
        d.PressKey(platform::Key::Return);
    });
    platform::ShowMessageBox(d.App(), "Пауза", "Information", platform::MessageKind::Information);
    EXPECT_TRUE(form.ticks.empty());
    EXPECT_TRUE(form.IsActive());
    d.Advance(999);
    EXPECT_TRUE(form.ticks.empty()) << "the clock must resume with a full interval";
    d.Advance(1);
    EXPECT_EQ(form.ticks, (std::vector<std::int64_t>{6600}));
}

TEST(TimerTest, SwitchingToAnotherProgramDoesNotPause) {
    Driver d;
    auto& form = d.App().CreateForm<ClockForm>();
    form.Show();
    // Losing the focus to another program reaches us as nothing at all; when the window
    // system hands it back, our window is still the active one and its count goes on.
    d.Advance(1500);
    d.Focus(form);
    d.Advance(1500);
    EXPECT_EQ(form.ticks, (std::vector<std::int64_t>{1000, 2000, 3000}));
    EXPECT_TRUE(form.IsActive());
}

TEST(TimerTest, PausesWhileAnotherWindowOfTheProgramIsActive) {
    Driver d;
    auto& form = d.App().CreateForm<ClockForm>();
    auto& dialog = d.App().CreateForm<Form>();
    form.Show();
    d.Advance(500);
    dialog.Show();
    d.Advance(5000);
    EXPECT_TRUE(form.ticks.empty());
    d.Click(form, {50, 50});
    EXPECT_TRUE(form.IsActive());
    d.Advance(1000);
    EXPECT_EQ(form.ticks, (std::vector<std::int64_t>{6500}));
}

// The loop waking late, as on a busy machine or after a long handler.
class LateLoopTest : public ::testing::Test {
protected:
    LateLoopTest() {
        timer.SetInterval(1000);
        timer.OnTimer = [this](Timer&) { ticks.push_back(d.App().NowMs()); };
    }
    Driver d;
    Timer timer{d.App()};
    std::vector<std::int64_t> ticks;
};

TEST_F(LateLoopTest, LateByManyIntervalsFiresOnceAndCountsAFullIntervalFromThere) {
    d.Jump(3500);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{3500})) << "no burst for the missed ticks";
    d.Advance(999);
    EXPECT_EQ(ticks.size(), 1u);
    d.Advance(1);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{3500, 4500}));
}

TEST_F(LateLoopTest, LateByExactlyOneIntervalAlsoFiresOnce) {
    d.Jump(2000);
    d.Advance(1000);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{2000, 3000}));
}

TEST_F(LateLoopTest, LateByLessThanAnIntervalKeepsTheSchedule) {
    // A little jitter must not make the clock drift: the next tick stays on the grid.
    d.Jump(1400);
    d.Advance(600);
    d.Jump(1900);
    d.Advance(1100);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1400, 2000, 3900, 4000, 5000}));
}

TEST_F(LateLoopTest, SeveralLateTimersEachFireOnceInDeadlineOrder) {
    Timer fast(d.App());
    fast.SetInterval(300);
    std::string order;
    fast.OnTimer = [&](Timer&) { order += 'f'; };
    timer.OnTimer = [&](Timer&) { order += 'S'; };
    d.Jump(10000);
    EXPECT_EQ(order, "fS");
}

TEST_F(LateLoopTest, EnablingARunningTimerChangesNothing) {
    d.Advance(700);
    timer.SetEnabled(true);
    d.Advance(300);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1000}));
}

}  // namespace
