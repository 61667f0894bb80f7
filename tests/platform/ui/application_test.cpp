#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/button.h"
#include "platform/headless/driver.h"
#include "platform/timer.h"

namespace {

using platform::Form;
using platform::Message;
using platform::Notification;
using platform::headless::Driver;

TEST(ApplicationTest, AnEscapedExceptionShowsTheErrorBoxAndTheLoopGoesOn) {
    Driver d;
    d.App().SetTitle("Burdomir");
    auto& form = d.App().CreateForm<Form>();
    auto& button = form.Make<platform::TButton>();
    button.SetBounds(10, 10, 75, 25);
    int clicks = 0;
    button.OnClick = [&](platform::TButton&) {
        if (++clicks == 1) throw std::runtime_error("Cannot open sound/drink.wav");
    };
    d.Script([&] { d.ClickControl(button); });
    d.Script([&] { d.PressKey(platform::Key::Return); });  // answers the error box
    d.Script([&] { d.ClickControl(button); });
    d.Script([&] { d.App().Terminate(); });
    d.App().Run();
    ASSERT_EQ(d.Messages().size(), 1u);
    EXPECT_EQ(d.Messages()[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(d.Messages()[0].title, "Burdomir");
    EXPECT_EQ(d.Messages()[0].text, "Cannot open sound/drink.wav");
    EXPECT_EQ(clicks, 2) << "the loop went on after the error";
}

TEST(ApplicationTest, AnExceptionFromATimerIsShownAndTheTimerKeepsRunning) {
    Driver d;
    d.App().SetTitle("Burdomir");
    platform::Timer timer(d.App());
    int ticks = 0;
    timer.OnTimer = [&](platform::Timer&) {
        if (++ticks == 1) throw std::runtime_error("boom");
    };
    d.Advance(2000);
    EXPECT_EQ(ticks, 2);
    ASSERT_EQ(d.Messages().size(), 1u);
    EXPECT_EQ(d.Messages()[0].text, "boom");
}

TEST(ApplicationTest, ExceptionHandlerCanBeReplaced) {
    Driver d;
    std::string seen;
    d.App().OnException = [&](const std::exception_ptr& e) {
        try {
            std::rethrow_exception(e);
        } catch (const std::exception& ex) {
            seen = ex.what();
        }
    };
    d.App().Guarded([] { throw std::runtime_error("handled elsewhere"); });
    EXPECT_EQ(seen, "handled elsewhere");
    EXPECT_TRUE(d.Messages().empty());
}

class NotedForm : public Form {
public:
    NotedForm(platform::Application& app, std::vector<std::string>& log, std::string name)
        : Form(app), log_(log), name_(std::move(name)) {}
    void Notify(const Notification& n) override {
        log_.push_back(name_ + ":" + std::to_string(static_cast<int>(n.message)));
    }

private:
    std::vector<std::string>& log_;
    std::string name_;
};

TEST(ApplicationTest, BroadcastReachesTheFirstWindowThenTheOthersInCreationOrder) {
    Driver d;
    std::vector<std::string> log;
    d.App().CreateForm<NotedForm>(log, "one");
    auto& two = d.App().CreateForm<NotedForm>(log, "two");
    d.App().CreateForm<NotedForm>(log, "three");
    d.App().Broadcast({Message::SkinChanging}, &two);
    d.App().Broadcast({Message::SkinChanged}, nullptr);
    EXPECT_EQ(log,
              (std::vector<std::string>{"two:1225", "one:1225", "three:1225", "one:1226", "two:1226", "three:1226"}));
}

TEST(ApplicationTest, ProcessMessagesFiresDueTimersAndPaints) {
    Driver d;
    auto& form = d.App().CreateForm<Form>();
    form.Show();
    platform::Timer timer(d.App());
    int ticks = 0;
    timer.OnTimer = [&](platform::Timer&) { ++ticks; };
    d.Backend().SetClock(1000);
    form.Invalidate();
    const int before = d.Backend().State(form).presents;
    d.App().ProcessMessages();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(d.Backend().State(form).presents, before + 1);
}

}  // namespace
