#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/backend.h"
#include "platform/component.h"
#include "platform/form.h"

namespace platform {

class PopupWindow;
class Timer;

// The program: its title, its windows in creation order, the event loop with its timers,
// activation among its windows, modal loops, and the top-level error handler. Several
// applications can live in one process (tests), each with its own backend.
class Application {
public:
    explicit Application(std::unique_ptr<Backend> backend);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    [[nodiscard]] const std::string& Title() const { return title_; }
    void SetTitle(std::string title);

    // Creates a window owned by the application (T is built from *this and args) and runs
    // its FormCreate. The first window created is the principal one.
    template <typename T, typename... Args>
    T& CreateForm(Args&&... args) {
        auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *form;
        owned_.push_back(std::move(form));
        ref.FormCreate();
        return ref;
    }
    // Every live window in creation order, message boxes included.
    [[nodiscard]] const std::vector<Form*>& Forms() const { return forms_; }
    // The principal window: the first created that still exists.
    [[nodiscard]] Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    [[nodiscard]] Form* ActiveForm() const { return active_; }

    // Shows the principal window and runs the loop until Terminate (or, in tests, until
    // the script runs out).
    void Run();
    void Terminate() { terminated_ = true; }
    [[nodiscard]] bool Terminated() const { return terminated_; }
    // Handles the input that is pending and the timers that are due, without waiting.
    void ProcessMessages();
    // Runs the loop until done() holds or the application is terminated; a modal window
    // runs one. Returns false when the input ran out first.
    bool RunLoopUntil(const std::function<bool()>& done);

    // Delivers a notification synchronously to first (when not null) and then to every
    // other window in creation order.
    void Broadcast(const Notification& n, Form* first);

    // The top-level error handler: shows the exception in an error box titled with the
    // application title (or passes it to OnException when set). Call it from a catch.
    void HandleException(const std::exception_ptr& error);
    std::function<void(const std::exception_ptr&)> OnException;

    // Minimises every visible window of the program.
    void Minimize();

    [[nodiscard]] gfx::Rect WorkArea() const { return backend_->WorkArea(); }
    [[nodiscard]] std::int64_t NowMs() const { return backend_->NowMs(); }
    [[nodiscard]] Backend& GetBackend() const { return *backend_; }
    // The sound output, or null where there is none.
    [[nodiscard]] Audio* GetAudio() const { return backend_->GetAudio(); }

    // Input from the backend. Each is dropped when a modal window blocks the target, and
    // an exception escaping a handler goes to HandleException.
    void DeliverMouseDown(Form& form, gfx::Point window, gfx::Point screen, MouseButton button, unsigned shift);
    void DeliverMouseUp(Form& form, gfx::Point window, gfx::Point screen, MouseButton button, unsigned shift);
    void DeliverMouseMove(Form& form, gfx::Point window, gfx::Point screen, unsigned shift);
    void DeliverMouseWheel(Form& form, gfx::Point window, int delta, unsigned shift);
    void DeliverMouseLeave(Form& form);
    void DeliverKeyDown(Form& form, Key key, unsigned shift);
    void DeliverKeyUp(Form& form, Key key, unsigned shift);
    void DeliverText(Form& form, std::string_view utf8, unsigned shift);
    void DeliverBoundsChanged(Form& form, const gfx::Rect& bounds);
    // The window system gave one of our windows the focus (clicked, switched to).
    void DeliverFocusGained(Form& form);
    // The close button of the window system was used.
    void DeliverCloseRequest(Form& form);

    // Whether a window takes input now: not while a modal window other than it (or a
    // popup) is open above it.
    [[nodiscard]] bool AcceptsInput(const Form& form) const;
    // The modal windows, innermost last.
    [[nodiscard]] const std::vector<Form*>& ModalStack() const { return modal_; }

    // Runs the function, sending any exception to HandleException.
    template <typename F>
    void Guarded(F&& f) {
        try {
            f();
        } catch (...) {
            HandleException(std::current_exception());
        }
    }

    // Bookkeeping the forms and timers call.
    void Register(Form& form);
    void Unregister(Form& form);
    void Register(Timer& timer);
    void Unregister(Timer& timer);
    void Activate(Form* form);
    void FormShown(Form& form);
    void FormHidden(Form& form);
    void PushModal(Form& form);
    void PopModal(Form& form);
    // Brings the window in front of the program's others (z-order kept here).
    void BringToFront(Form& form);
    // Visible windows, back to front.
    [[nodiscard]] const std::vector<Form*>& ZOrder() const { return zorder_; }
    // Fires the timers due at or before the backend's current time, earliest first.
    void FireDueTimers();
    // The earliest deadline of a running timer.
    [[nodiscard]] std::optional<std::int64_t> NextDeadline() const;
    // Fires the earliest timer due at or before limit; false when none is. The clock is
    // the caller's business (the headless backend moves its virtual clock first).
    bool FireNextTimer(std::int64_t limit);
    // Paints every window with pending changes.
    void UpdateAll();

    // Popup windows (menu levels) know their owner; keys for an owner go to its innermost
    // shown popup, the front-most one.
    void RegisterPopup(PopupWindow& popup);
    void UnregisterPopup(PopupWindow& popup);
    [[nodiscard]] PopupWindow* InnermostPopup(const Form& owner) const;
    // Cancels the shown popups of one owner, or every shown popup when owner is null.
    void CancelPopups(const Form* owner);

private:
    std::unique_ptr<Backend> backend_;
    std::string title_;
    std::vector<Form*> forms_;
    std::vector<std::unique_ptr<Form>> owned_;
    std::vector<Timer*> timers_;
    std::vector<PopupWindow*> popups_;
    std::vector<Form*> modal_;
    std::vector<Form*> zorder_;
    Form* active_ = nullptr;
    bool terminated_ = false;
};

}  // namespace platform
