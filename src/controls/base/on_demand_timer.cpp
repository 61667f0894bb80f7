#include "controls/base/on_demand_timer.h"

#include "platform/form.h"

namespace controls {

bool OnDemandTimer::Start(const platform::Control& control, int interval) {
    if (!timer_) {
        platform::Form* form = control.ParentForm();
        if (!form) return false;
        timer_ = std::make_unique<platform::Timer>(form->App());
        timer_->SetEnabled(false);
        timer_->OnTimer = [this](platform::Timer&) { tick_(); };
    }
    timer_->SetEnabled(false);
    timer_->SetInterval(interval);
    timer_->SetEnabled(true);
    return true;
}

void OnDemandTimer::SetInterval(int interval) {
    if (timer_) timer_->SetInterval(interval);
}

void OnDemandTimer::Stop() {
    if (timer_) timer_->SetEnabled(false);
}

}  // namespace controls
