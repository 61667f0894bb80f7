#pragma once

#include <cstdint>
#include <functional>

#include "platform/component.h"

namespace platform {

class Application;

// A repeating timer delivered on the UI thread by the Application's loop. Starting a
// stopped timer, or giving a running one a different interval, restarts its count: the
// next tick comes one full interval later; enabling a running one changes nothing. An
// interval of 0 never fires. A loop late by less than an interval keeps the timer on its
// schedule; late by an interval or more, the timer fires once and counts a full interval
// from then, so a game clock never races through the ticks it missed.
class Timer : public Component {
public:
    explicit Timer(Application& app, Component* owner = nullptr);
    ~Timer() override;

    [[nodiscard]] bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Milliseconds between ticks; negative values are taken as 0.
    [[nodiscard]] int Interval() const { return interval_; }
    void SetInterval(int ms);

    std::function<void(Timer& sender)> OnTimer;

    // When the next tick is due on the application's clock; meaningful while Armed().
    [[nodiscard]] std::int64_t Deadline() const { return deadline_; }
    [[nodiscard]] bool Armed() const { return enabled_ && interval_ > 0; }
    // Called by the Application when the deadline has come: schedules the next tick
    // and runs OnTimer.
    void Fire(std::int64_t now);

private:
    void Restart();

    Application& app_;
    bool enabled_ = true;
    int interval_ = 1000;
    std::int64_t deadline_ = 0;
};

}  // namespace platform
