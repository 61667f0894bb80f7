#include "ui/Unit3.h"

#include "ui/program.h"

namespace ui {

TForm3::TForm3(platform::Application& app, Program& program) : Form(app), program_(program) {
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = platform::BorderStyle::Dialog;
    // The dialog's controls are built here.
}

void TForm3::FormShow() {}

}  // namespace ui
