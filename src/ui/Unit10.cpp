#include "ui/Unit10.h"

#include "ui/program.h"

namespace ui {

TForm10::TForm10(platform::Application& app, Program& program) : Form(app), program_(program) {
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = platform::BorderStyle::Dialog;
    // The dialog's controls are built here.
}

void TForm10::FormShow() {}

}  // namespace ui
