#pragma once

#include <functional>
#include <memory>

#include "platform/control.h"
#include "platform/timer.h"

namespace controls {

// A control's timer made the first time it starts, on the application of the control's window. A
// tick may stop it safely: stopping disables the timer instead of destroying it under its own
// handler; the timer goes with its owner.
class OnDemandTimer {
public:
    explicit OnDemandTimer(std::function<void()> tick) : tick_(std::move(tick)) {}

    // Starts (or restarts) counting interval ms; false when the control has no window to time on.
    bool Start(const platform::Control& control, int interval);
    // Changes the period of a running timer, counting from now.
    void SetInterval(int interval);
    void Stop();
    [[nodiscard]] bool Running() const { return timer_ && timer_->Enabled(); }
    [[nodiscard]] int Interval() const { return timer_ ? timer_->Interval() : 0; }

private:
    std::function<void()> tick_;
    std::unique_ptr<platform::Timer> timer_;
};

}  // namespace controls
