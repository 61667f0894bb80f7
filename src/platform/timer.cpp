#include "platform/timer.h"

#include <algorithm>

#include "platform/application.h"

namespace platform {

Timer::Timer(Application& app, Component* owner) : Component(owner), app_(app) {
    app_.Register(*this);
    Restart();
}

Timer::~Timer() { app_.Unregister(*this); }

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) Restart();
}

void Timer::SetInterval(int ms) {
    ms = std::max(0, ms);
    if (ms == interval_) return;
    interval_ = ms;
    if (enabled_) Restart();
}

void Timer::Restart() { deadline_ = app_.NowMs() + interval_; }

void Timer::Fire(std::int64_t now) {
    // The next tick counts from this one; a late loop does not fire a burst to catch up.
    deadline_ += interval_;
    if (deadline_ <= now) deadline_ = now + interval_;
    if (OnTimer) OnTimer(*this);
}

}  // namespace platform
