#include "showcase_windows.h"

#include <string>

#include "platform/message_box.h"

namespace showcase {

using platform::TButton;
using platform::TLabel;

Dialog::Dialog(platform::Application& app) : Form(app) {
    SetCaption("Диалог");
    BorderStyle = platform::BorderStyle::Dialog;
    SetClientSize(260, 90);
    Position = platform::FormPosition::DesktopCenter;
    auto& text = Make<TLabel>();
    text.SetBounds(12, 12, 236, 30);
    text.SetWordWrap(true);
    text.SetCaption("Модальный диалог: остальные окна ждут, пока он открыт.");
    auto& ok = Make<TButton>();
    ok.SetCaption("OK");
    ok.Default = true;
    ok.ModalResult = platform::mrOk;
    ok.SetBounds(48, 55, 75, 25);
    auto& cancel = Make<TButton>();
    cancel.SetCaption("Отмена");
    cancel.Cancel = true;
    cancel.ModalResult = platform::mrCancel;
    cancel.SetBounds(136, 55, 75, 25);
}

SecondWindow::SecondWindow(platform::Application& app) : Form(app) {
    SetCaption("Второе окно");
    SetBounds(440, 40, 300, 120);
    // A notch cut from the top-right corner shows that window outlines reach the screen.
    gfx::Region outline(gfx::Rect{0, 0, 288, 120});
    outline.Unite(gfx::Rect{288, 12, 300, 120});
    SetWindowOutline(outline);
    auto& text = Make<TLabel>();
    text.SetBounds(12, 12, 270, 20);
    text.SetCaption("Второе окно, не модальное.");
    auto& bar = Make<platform::TProgressBar>();
    bar.SetBounds(12, 40, 270, 18);
    bar.SetSmooth(true);
    bar.SetPosition(50);
}

MainWindow::MainWindow(platform::Application& app) : Form(app), timer_(Own<platform::Timer>(app, this)) {
    SetCaption("Пример окон");
    SetBounds(40, 40, 380, 250);
    auto& title = Make<TLabel>();
    title.SetBounds(12, 10, 0, 0);
    title.SetFont({"Arial", -16, gfx::fsBold, 0x00000080});
    title.SetCaption("Бурдомир: окна и элементы");
    auto& note = Make<TLabel>();
    note.SetBounds(12, 36, 350, 0);
    note.SetWordWrap(true);
    note.SetCaption("Таймер двигает полосу; кнопки открывают модальный диалог и сообщения трёх видов.");
    bar_ = &Make<platform::TProgressBar>();
    bar_->SetBounds(12, 72, 350, 18);
    status_ = &Make<TLabel>();
    status_->SetBounds(12, 98, 0, 0);
    status_->SetCaption("Тиков: 0");

    AddButton("&Диалог", 12, 124).OnClick = [this](TButton&) {
        const int result = dialog_->ShowModal();
        status_->SetCaption(result == platform::mrOk ? "Диалог: OK" : "Диалог: отмена");
    };
    AddButton("&Информация", 102, 124).OnClick = [this](TButton&) {
        platform::ShowMessageBox(App(), "Алкаш допился до белочки!", "Information", platform::MessageKind::Information);
    };
    AddButton("&Предупреждение", 192, 124, 110).OnClick = [this](TButton&) {
        platform::ShowMessageBox(App(), "Недостаточно денег!", "Warning", platform::MessageKind::Warning);
    };
    AddButton("&Ошибка", 12, 158).OnClick = [this](TButton&) {
        platform::ShowMessageBox(App(), "Не удаётся открыть sound/drink.wav.", App().Title(),
                                 platform::MessageKind::Error);
    };
    AddButton("&Выход", 102, 158).OnClick = [this](TButton&) { App().Terminate(); };

    timer_.SetInterval(200);
    timer_.OnTimer = [this](platform::Timer&) { Tick(); };
}

TButton& MainWindow::AddButton(const char* caption, int left, int top, int width) {
    auto& b = Make<TButton>();
    b.SetCaption(caption);
    b.SetBounds(left, top, width, 25);
    return b;
}

void MainWindow::FormCreate() {
    // Created after this one, so that this stays the principal window.
    second_ = &App().CreateForm<SecondWindow>();
    dialog_ = &App().CreateForm<Dialog>();
}

void MainWindow::FormShow() {
    // The second window comes first so that this one ends up active, in front.
    second_->Show();
}

void MainWindow::Tick() {
    ++ticks_;
    bar_->SetPosition(ticks_ * 5 % 105);
    status_->SetCaption("Тиков: " + std::to_string(ticks_));
}

}  // namespace showcase
