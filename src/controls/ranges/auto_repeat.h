#pragma once

#include <functional>

#include "controls/base/on_demand_timer.h"

namespace controls {

// The repeat of a held arrow button: after a first delay of 500 ms the period becomes
// 100 ms, and every tick after the delay is one step. The timer is made at the first press
// and runs only while a button is held, so an idle control has nothing running.
class AutoRepeat {
public:
    AutoRepeat();

    // One repeated step.
    std::function<void()> OnStep;

    // Starts the first delay on the timer of the control's window.
    void Start(const platform::Control& control);
    // Starts counting again with the given period (the pointer came back to the held
    // button); a first delay not yet over is still to come.
    void Restart(const platform::Control& control, int periodMs);
    void Stop() { timer_.Stop(); }
    [[nodiscard]] bool Running() const { return timer_.Running(); }

private:
    void Tick();

    OnDemandTimer timer_;
    bool firstDelay_ = false;
};

}  // namespace controls
