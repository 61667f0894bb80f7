#include "ui/Unit5.h"

#include "ui/program.h"

namespace ui {

TForm5::TForm5(platform::Application& app, Program& program) : Form(app), program_(program) {
    Position = platform::FormPosition::DesktopCenter;
    BorderStyle = platform::BorderStyle::Dialog;
    // The dialog's controls are built here.
}

void TForm5::FormShow() {}

}  // namespace ui
