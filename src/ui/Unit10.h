#pragma once

#include "platform/form.h"

namespace ui {

class Program;

// The bottle-search dialog. Created hidden at start and only shown and hidden afterwards; it acts
// on the main window's game through Program::Form2() and applies every outcome there.
class TForm10 : public platform::Form {
public:
    TForm10(platform::Application& app, Program& program);

    // Runs each time the dialog goes from hidden to visible.
    void FormShow() override;

private:
    Program& program_;
};

}  // namespace ui
