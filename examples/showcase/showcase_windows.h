#pragma once

#include "platform/application.h"
#include "platform/button.h"
#include "platform/label.h"
#include "platform/progress_bar.h"
#include "platform/timer.h"

namespace showcase {

// A modal dialog with OK and Cancel.
class Dialog : public platform::Form {
public:
    explicit Dialog(platform::Application& app);
};

// A second, non-modal window with a smooth bar and a notched outline.
class SecondWindow : public platform::Form {
public:
    explicit SecondWindow(platform::Application& app);
};

// The principal window: a timer drives the progress bar; the buttons open the dialog and
// the message boxes, and "Выход" ends the program.
class MainWindow : public platform::Form {
public:
    explicit MainWindow(platform::Application& app);

    void FormCreate() override;
    void FormShow() override;

private:
    platform::TButton& AddButton(const char* caption, int left, int top, int width = 85);
    void Tick();

    SecondWindow* second_ = nullptr;
    Dialog* dialog_ = nullptr;
    platform::TLabel* status_ = nullptr;
    platform::TProgressBar* bar_ = nullptr;
    platform::Timer& timer_;
    int ticks_ = 0;
};

}  // namespace showcase
