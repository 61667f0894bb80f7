#include "controls/ranges/auto_repeat.h"

namespace controls {

namespace {
constexpr int kFirstDelayMs = 500;
constexpr int kRepeatMs = 100;
}  // namespace

AutoRepeat::AutoRepeat() : timer_([this] { Tick(); }) {}

void AutoRepeat::Start(const platform::Control& control) {
    firstDelay_ = true;
    timer_.Start(control, kFirstDelayMs);
}

void AutoRepeat::Restart(const platform::Control& control, int periodMs) { timer_.Start(control, periodMs); }

void AutoRepeat::Tick() {
    if (firstDelay_) {
        firstDelay_ = false;
        timer_.SetInterval(kRepeatMs);
        return;
    }
    if (OnStep) OnStep();
}

}  // namespace controls
