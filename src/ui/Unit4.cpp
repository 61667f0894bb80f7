#include "ui/Unit4.h"

#include "ui/program.h"

namespace ui {

TForm4::TForm4(platform::Application& app, Program& program) : Form(app), program_(program) {
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = platform::BorderStyle::Dialog;
    // The dialog's controls are built here.
}

void TForm4::FormShow() {}

}  // namespace ui
