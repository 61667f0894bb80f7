#include "ui/Unit9.h"

#include "ui/program.h"

namespace ui {

TForm9::TForm9(platform::Application& app, Program& program) : Form(app), program_(program) {
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = platform::BorderStyle::Dialog;
    // The dialog's controls are built here.
}

void TForm9::FormShow() {}

}  // namespace ui
