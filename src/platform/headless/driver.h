#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "platform/application.h"
#include "platform/headless/headless_backend.h"

namespace platform::headless {

// Runs an Application on the headless backend and plays the user: it lists windows,
// clicks, moves, drags, types and presses keys at window coordinates (frame included),
// advances the virtual clock firing timers in order, answers message boxes and returns
// any window's pixels. Input goes through the Application exactly as a real backend's.
class Driver {
public:
    // audioDevice false runs the program on a machine without a sound device.
    explicit Driver(bool audioDevice = true);
    ~Driver();

    [[nodiscard]] Application& App() { return *app_; }
    [[nodiscard]] HeadlessBackend& Backend() { return *backend_; }

    // The visible windows, back to front.
    [[nodiscard]] std::vector<Form*> Windows() const;
    // The window in front, or null.
    [[nodiscard]] Form* TopWindow() const;

    void MouseDown(Form& form, gfx::Point window, MouseButton button = MouseButton::Left, unsigned shift = 0);
    void MouseUp(Form& form, gfx::Point window, MouseButton button = MouseButton::Left, unsigned shift = 0);
    void MoveTo(Form& form, gfx::Point window, unsigned shift = 0);
    void Click(Form& form, gfx::Point window, MouseButton button = MouseButton::Left, unsigned shift = 0);
    void DoubleClick(Form& form, gfx::Point window);
    // Press at from, move in steps to to, release there.
    void Drag(Form& form, gfx::Point from, gfx::Point to, int steps = 4);
    void Wheel(Form& form, gfx::Point window, int delta, unsigned shift = 0);
    // The pointer leaves the window.
    void Leave(Form& form);
    // Clicks the middle of a control.
    void ClickControl(const Control& control);
    // The window point of a control's middle.
    [[nodiscard]] static gfx::Point CenterOf(const Control& control);

    // Keys and text go to the active window.
    void KeyDown(Key key, unsigned shift = 0);
    void KeyUp(Key key, unsigned shift = 0);
    void PressKey(Key key, unsigned shift = 0);
    void Type(std::string_view utf8);
    // The window system gives a window of ours the focus, as a click on its frame would.
    void Focus(Form& form);

    // Moves the virtual clock on by ms, firing every timer that comes due, in deadline
    // order, with the clock at each one's deadline.
    void Advance(std::int64_t ms);
    // Moves the virtual clock on by ms at once, as a loop that wakes late (a busy machine,
    // a long handler) finds it, then fires what is due as the real loop does.
    void Jump(std::int64_t ms);
    // A step a waiting loop (a modal window, a message box) runs next.
    void Script(std::function<void()> step) { backend_->Script(std::move(step)); }
    // The message boxes shown so far.
    [[nodiscard]] const std::vector<MessageRecord>& Messages() const { return backend_->Messages(); }
    // A copy of the window's pixels, frame included, painted up to date.
    [[nodiscard]] gfx::Bitmap Pixels(Form& form);

private:
    [[nodiscard]] Form& ActiveOrThrow() const;
    [[nodiscard]] gfx::Point Screen(const Form& form, gfx::Point window) const;

    HeadlessBackend* backend_;
    std::unique_ptr<Application> app_;
    Form* pointerForm_ = nullptr;
    unsigned buttons_ = 0;
};

}  // namespace platform::headless
