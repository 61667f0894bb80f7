#include "ui/Unit6.h"

#include "ui/program.h"

namespace ui {

TForm6::TForm6(platform::Application& app, Program& program) : Form(app), program_(program) {
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = platform::BorderStyle::Dialog;
    // The dialog's controls are built here.
}

void TForm6::FormShow() {}

}  // namespace ui
