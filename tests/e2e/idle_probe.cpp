// A window and, when asked, one timer, on the real SDL backend: the idle test counts how
// often the process wakes while it waits. Usage: burdomir_idle_probe [timer interval ms]
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "platform/application.h"
#include "platform/label.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/timer.h"

namespace {

// Shows its tick count, so that each tick also repaints, as the game clock's window does.
class ProbeWindow : public platform::Form {
public:
    ProbeWindow(platform::Application& app, int interval)
        : Form(app), label_(Make<platform::TLabel>()), timer_(Own<platform::Timer>(app, this)) {
        SetCaption("Idle probe");
        SetClientSize(200, 60);
        label_.SetBounds(10, 10, 180, 0);
        label_.SetCaption("0");
        timer_.SetInterval(interval);
        timer_.SetEnabled(interval > 0);
        timer_.OnTimer = [this](platform::Timer&) { label_.SetCaption(std::to_string(++ticks_)); };
    }

private:
    platform::TLabel& label_;
    platform::Timer& timer_;
    int ticks_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const int interval = argc > 1 ? std::atoi(argv[1]) : 0;
    try {
        platform::Application app(std::make_unique<platform::SdlBackend>());
        app.CreateForm<ProbeWindow>(interval);
        app.Run();
    } catch (const std::exception& e) {
        std::cerr << "burdomir_idle_probe: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
