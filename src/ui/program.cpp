#include "ui/program.h"

#include <utility>

#include "platform/clock.h"
#include "ui/Unit1.h"
#include "ui/Unit10.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"
#include "ui/Unit8.h"
#include "ui/Unit9.h"

namespace ui {

Program::Program(platform::Application& app) : Program(app, [] { return platform::Clock::SeedValue(); }) {}

Program::Program(platform::Application& app, game::ClockSource clock) : app_(app), clock_(std::move(clock)) {
    app_.SetTitle("Burdomir");
    // Each pointer is stored as soon as its window exists, so a later window's creation can
    // already reach the earlier ones (every window draws from the start window's skin).
    form1_ = &app_.CreateForm<TForm1>(*this);
    form2_ = &app_.CreateForm<TForm2>(*this);
    form3_ = &app_.CreateForm<TForm3>(*this);
    form4_ = &app_.CreateForm<TForm4>(*this);
    form5_ = &app_.CreateForm<TForm5>(*this);
    form6_ = &app_.CreateForm<TForm6>(*this);
    form7_ = &app_.CreateForm<TForm7>(*this);
    form8_ = &app_.CreateForm<TForm8>(*this);
    form9_ = &app_.CreateForm<TForm9>(*this);
    form10_ = &app_.CreateForm<TForm10>(*this);
}

platform::Form* Program::DialogWindow(game::Dialog dialog) const {
    switch (dialog) {
        case game::Dialog::None:
            return nullptr;
        case game::Dialog::Seduction:
            return form3_;
        case game::Dialog::BottleReturn:
            return form4_;
        case game::Dialog::Training:
            return form5_;
        case game::Dialog::Drink:
            return form6_;
        case game::Dialog::Eat:
            return form7_;
        case game::Dialog::Heal:
            return form8_;
        case game::Dialog::Begging:
            return form9_;
        case game::Dialog::BottleSearch:
            return form10_;
    }
    return nullptr;
}

}  // namespace ui
