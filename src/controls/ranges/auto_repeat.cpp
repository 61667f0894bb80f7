#include "controls/ranges/auto_repeat.h"

#include "platform/timer.h"

namespace controls {

namespace {
constexpr int kFirstDelayMs = 500;
constexpr int kRepeatMs = 100;
}  // namespace

AutoRepeat::AutoRepeat() = default;
AutoRepeat::~AutoRepeat() = default;

void AutoRepeat::Start(platform::Application& app) {
    firstDelay_ = true;
    Arm(app, kFirstDelayMs);
}

void AutoRepeat::Restart(platform::Application& app, int periodMs) { Arm(app, periodMs); }

void AutoRepeat::Arm(platform::Application& app, int periodMs) {
    if (!timer_) {
        timer_ = std::make_unique<platform::Timer>(app);
        timer_->OnTimer = [this](platform::Timer&) { Tick(); };
    }
    timer_->SetEnabled(false);
    timer_->SetInterval(periodMs);
    timer_->SetEnabled(true);
}

// The timer stays (a step may stop the repeat from inside the timer's own tick).
void AutoRepeat::Stop() {
    if (timer_) timer_->SetEnabled(false);
}

bool AutoRepeat::Running() const { return timer_ && timer_->Enabled(); }

void AutoRepeat::Tick() {
    if (firstDelay_) {
        firstDelay_ = false;
        timer_->SetInterval(kRepeatMs);
        return;
    }
    if (OnStep) OnStep();
}

}  // namespace controls
