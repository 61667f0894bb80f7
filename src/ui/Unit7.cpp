#include "ui/Unit7.h"

#include "ui/program.h"

namespace ui {

TForm7::TForm7(platform::Application& app, Program& program) : Form(app), program_(program) {
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = platform::BorderStyle::Dialog;
    // The dialog's controls are built here.
}

void TForm7::FormShow() {}

}  // namespace ui
