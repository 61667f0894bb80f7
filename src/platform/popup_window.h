#pragma once

#include <functional>

#include "platform/form.h"

namespace platform {

// A top-most window that never takes activation from the window that owns it (a menu
// level). While it is shown the owner stays the active window, keeps its active frame and
// its timers; the keys pressed meanwhile arrive here, at the owner's innermost popup. A
// pointer press on any other window of the program, the owner losing the activation and
// the owner moving or changing size cancel it (OnCancelMode), as they do a menu.
class PopupWindow : public Form {
public:
    PopupWindow(Application& app, Form& owner);
    ~PopupWindow() override;

    // The window whose focus this popup leaves alone.
    [[nodiscard]] Form& PopupOwner() const { return owner_; }

    // Shows the popup with these outer bounds (screen pixels) in front of every window,
    // without activating it.
    void Popup(const gfx::Rect& bounds);

    // Keyboard input that arrived for the owner while this is its innermost popup.
    virtual void PopupKeyDown(Key /*key*/, unsigned /*shift*/) {}
    virtual void PopupKeyUp(Key /*key*/, unsigned /*shift*/) {}
    // A typed character (Windows-1251 range, not a control character).
    virtual void PopupKeyPress(char32_t /*ch*/) {}

    // Asked to go away by one of the triggers above; the handler closes what it opened.
    std::function<void(PopupWindow& sender)> OnCancelMode;
    // Raises OnCancelMode.
    void CancelMode();

private:
    Form& owner_;
};

}  // namespace platform
