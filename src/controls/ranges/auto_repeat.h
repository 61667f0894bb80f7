#pragma once

#include <functional>
#include <memory>

namespace platform {
class Application;
class Timer;
}  // namespace platform

namespace controls {

// The repeat of a held arrow button: after a first delay of 500 ms the period becomes
// 100 ms, and every tick after the delay is one step. The timer is made at the first press
// and runs only while a button is held, so an idle control has nothing running.
class AutoRepeat {
public:
    AutoRepeat();
    ~AutoRepeat();

    // One repeated step.
    std::function<void()> OnStep;

    // Starts the first delay.
    void Start(platform::Application& app);
    // Starts counting again with the given period (the pointer came back to the held
    // button); a first delay not yet over is still to come.
    void Restart(platform::Application& app, int periodMs);
    void Stop();
    [[nodiscard]] bool Running() const;

private:
    void Arm(platform::Application& app, int periodMs);
    void Tick();

    std::unique_ptr<platform::Timer> timer_;
    bool firstDelay_ = false;
};

}  // namespace controls
