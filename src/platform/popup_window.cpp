#include "platform/popup_window.h"

#include "platform/application.h"

namespace platform {

PopupWindow::PopupWindow(Application& app, Form& owner) : Form(app), owner_(owner) {
    PopupStyle = true;
    BorderStyle = platform::BorderStyle::None;
    app.RegisterPopup(*this);
}

PopupWindow::~PopupWindow() { App().UnregisterPopup(*this); }

void PopupWindow::Popup(const gfx::Rect& bounds) {
    SetBounds(bounds);
    Show();
}

void PopupWindow::CancelMode() {
    // The handler usually destroys this window: keep the handler alive while it runs.
    const auto handler = OnCancelMode;
    if (handler) handler(*this);
}

}  // namespace platform
