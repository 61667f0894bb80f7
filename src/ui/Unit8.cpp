#include "ui/Unit8.h"

#include "ui/program.h"

namespace ui {

TForm8::TForm8(platform::Application& app, Program& program) : Form(app), program_(program) {
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = platform::BorderStyle::Dialog;
    // The dialog's controls are built here.
}

void TForm8::FormShow() {}

}  // namespace ui
