#include "platform/headless/driver.h"

#include <algorithm>
#include <stdexcept>

namespace platform::headless {

Driver::Driver(bool audioDevice) {
    auto backend = std::make_unique<HeadlessBackend>(audioDevice);
    backend_ = backend.get();
    app_ = std::make_unique<Application>(std::move(backend));
}

Driver::~Driver() = default;

std::vector<Form*> Driver::Windows() const { return app_->ZOrder(); }

Form* Driver::TopWindow() const { return app_->ZOrder().empty() ? nullptr : app_->ZOrder().back(); }

gfx::Point Driver::Screen(const Form& form, gfx::Point window) const { return window + form.BoundsRect().top_left(); }

void Driver::MouseDown(Form& form, gfx::Point window, MouseButton button, unsigned shift) {
    // A press where the pointer already is comes without a move, as on a real display.
    if (pointerForm_ != &form || backend_->PointerPosition() != Screen(form, window)) MoveTo(form, window, shift);
    buttons_ |= ButtonState(button);
    app_->DeliverMouseDown(form, window, Screen(form, window), button, shift | buttons_);
    app_->UpdateAll();
}

void Driver::MouseUp(Form& form, gfx::Point window, MouseButton button, unsigned shift) {
    buttons_ &= ~static_cast<unsigned>(ButtonState(button));
    backend_->SetPointer(Screen(form, window));
    app_->DeliverMouseUp(form, window, Screen(form, window), button, shift | buttons_);
    app_->UpdateAll();
}

void Driver::MoveTo(Form& form, gfx::Point window, unsigned shift) {
    // The window the pointer was over may have gone meanwhile (a message box that closed).
    const auto& forms = app_->Forms();
    if (pointerForm_ && std::find(forms.begin(), forms.end(), pointerForm_) == forms.end()) pointerForm_ = nullptr;
    if (pointerForm_ && pointerForm_ != &form) Leave(*pointerForm_);
    pointerForm_ = &form;
    backend_->SetPointer(Screen(form, window));
    app_->DeliverMouseMove(form, window, Screen(form, window), shift | buttons_);
    app_->UpdateAll();
}

void Driver::Click(Form& form, gfx::Point window, MouseButton button, unsigned shift) {
    MouseDown(form, window, button, shift);
    MouseUp(form, window, button, shift);
}

void Driver::DoubleClick(Form& form, gfx::Point window) {
    Click(form, window);
    MouseDown(form, window, MouseButton::Left, ssDouble);
    MouseUp(form, window);
}

void Driver::Drag(Form& form, gfx::Point from, gfx::Point to, int steps) {
    // Window coordinates are those of the window where the drag began, as it was then:
    // moving the window under the pointer must not move the target points.
    const gfx::Point origin = form.BoundsRect().top_left();
    auto at = [&](gfx::Point p) { return p + origin - form.BoundsRect().top_left(); };
    MouseDown(form, from);
    for (int i = 1; i <= steps; ++i) {
        const gfx::Point p{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        MoveTo(form, at(p));
    }
    MouseUp(form, at(to));
}

void Driver::Wheel(Form& form, gfx::Point window, int delta, unsigned shift) {
    MoveTo(form, window, shift);
    app_->DeliverMouseWheel(form, window, delta, shift | buttons_);
    app_->UpdateAll();
}

void Driver::Leave(Form& form) {
    if (pointerForm_ == &form) pointerForm_ = nullptr;
    app_->DeliverMouseLeave(form);
}

gfx::Point Driver::CenterOf(const Control& control) {
    return control.ClientToWindow({control.Width() / 2, control.Height() / 2});
}

void Driver::ClickControl(const Control& control) {
    Form* form = control.ParentForm();
    if (!form) throw std::runtime_error("headless: the control to click is not in a window");
    Click(*form, CenterOf(control));
}

Form& Driver::ActiveOrThrow() const {
    Form* form = app_->ActiveForm();
    if (!form) throw std::runtime_error("headless: no window is active to take the keyboard input");
    return *form;
}

void Driver::KeyDown(Key key, unsigned shift) {
    app_->DeliverKeyDown(ActiveOrThrow(), key, shift);
    app_->UpdateAll();
}

void Driver::KeyUp(Key key, unsigned shift) {
    app_->DeliverKeyUp(ActiveOrThrow(), key, shift);
    app_->UpdateAll();
}

void Driver::PressKey(Key key, unsigned shift) {
    KeyDown(key, shift);
    // The key-down may have closed the window that had the keyboard.
    if (app_->ActiveForm()) KeyUp(key, shift);
}

void Driver::Type(std::string_view utf8) {
    app_->DeliverText(ActiveOrThrow(), utf8, 0);
    app_->UpdateAll();
}

void Driver::Focus(Form& form) {
    app_->DeliverFocusGained(form);
    app_->UpdateAll();
}

void Driver::Advance(std::int64_t ms) {
    const std::int64_t target = backend_->NowMs() + ms;
    for (;;) {
        const std::optional<std::int64_t> next = app_->NextDeadline();
        if (!next || *next > target) break;
        backend_->SetClock(std::max(*next, backend_->NowMs()));
        app_->FireNextTimer(backend_->NowMs());
        app_->UpdateAll();
    }
    backend_->SetClock(std::max(target, backend_->NowMs()));
}

void Driver::Jump(std::int64_t ms) {
    backend_->SetClock(backend_->NowMs() + ms);
    app_->FireDueTimers();
    app_->UpdateAll();
}

gfx::Bitmap Driver::Pixels(Form& form) { return form.Backbuffer(); }

}  // namespace platform::headless
