#pragma once

#include "game/outcome.h"
#include "game/random.h"
#include "platform/application.h"

namespace ui {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;

// The game as one program: sets the application's title and creates the ten windows once,
// in their fixed order, on the given application (the real display or the headless one).
// Every window gets this object, through which it reaches the others: the start window
// comes first because its skin data is what every later window draws from, and the main
// window holds the game that the dialogs act on.
class Program {
public:
    // Builds the windows; the random generator re-seeds from the platform's clock.
    explicit Program(platform::Application& app);
    // Builds the windows with a pinned seed source, as tests do.
    Program(platform::Application& app, game::ClockSource clock);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    [[nodiscard]] platform::Application& App() const { return app_; }
    // Where every re-seed of the game's random generator takes its seed.
    [[nodiscard]] const game::ClockSource& Clock() const { return clock_; }

    // The windows, each valid from its creation to the end of the application.
    [[nodiscard]] TForm1& Form1() const { return *form1_; }
    [[nodiscard]] TForm2& Form2() const { return *form2_; }
    [[nodiscard]] TForm3& Form3() const { return *form3_; }
    [[nodiscard]] TForm4& Form4() const { return *form4_; }
    [[nodiscard]] TForm5& Form5() const { return *form5_; }
    [[nodiscard]] TForm6& Form6() const { return *form6_; }
    [[nodiscard]] TForm7& Form7() const { return *form7_; }
    [[nodiscard]] TForm8& Form8() const { return *form8_; }
    [[nodiscard]] TForm9& Form9() const { return *form9_; }
    [[nodiscard]] TForm10& Form10() const { return *form10_; }

    // The window that shows one of the game's dialogs; null for Dialog::None.
    [[nodiscard]] platform::Form* DialogWindow(game::Dialog dialog) const;

    // Runs the event loop until the program is told to end.
    void Run() { app_.Run(); }

private:
    platform::Application& app_;
    game::ClockSource clock_;
    TForm1* form1_ = nullptr;
    TForm2* form2_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TForm5* form5_ = nullptr;
    TForm6* form6_ = nullptr;
    TForm7* form7_ = nullptr;
    TForm8* form8_ = nullptr;
    TForm9* form9_ = nullptr;
    TForm10* form10_ = nullptr;
};

}  // namespace ui
