#include "platform/application.h"

#include <algorithm>
#include <iostream>

#include "gfx/text.h"
#include "platform/message_box.h"
#include "platform/popup_window.h"
#include "platform/timer.h"

namespace platform {

namespace {
template <typename T>
void EraseValue(std::vector<T*>& list, const T* value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}
template <typename T>
bool HasValue(const std::vector<T*>& list, const T* value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}
}  // namespace

Application::Application(std::unique_ptr<Backend> backend) : backend_(std::move(backend)) {}

Application::~Application() {
    // Windows go in reverse creation order while the backend still exists.
    while (!owned_.empty()) owned_.pop_back();
}

void Application::SetTitle(std::string title) {
    title_ = std::move(title);
    backend_->SetTitle(title_);
}

void Application::Run() {
    terminated_ = false;
    backend_->AwaitDisplay();
    if (Form* main = MainForm()) Guarded([&] { main->Show(); });
    RunLoopUntil([] { return false; });
}

void Application::ProcessMessages() {
    backend_->PollEvents(*this);
    FireDueTimers();
    UpdateAll();
}

bool Application::RunLoopUntil(const std::function<bool()>& done) {
    while (!terminated_ && !done()) {
        backend_->PollEvents(*this);
        FireDueTimers();
        if (terminated_ || done()) break;
        UpdateAll();
        if (!backend_->WaitEvents(*this, NextDeadline())) return false;
    }
    return true;
}

void Application::Broadcast(const Notification& n, Form* first) {
    // Handlers may create or destroy windows; deliver to a snapshot, skipping the gone.
    const std::vector<Form*> snapshot = forms_;
    if (first && HasValue(forms_, first)) first->Notify(n);
    for (Form* f : snapshot)
        if (f != first && HasValue(forms_, f)) f->Notify(n);
}

void Application::HandleException(const std::exception_ptr& error) {
    if (OnException) {
        OnException(error);
        return;
    }
    std::string text = "An unknown error occurred.";
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
    }
    try {
        ShowMessageBox(*this, text, title_, MessageKind::Error);
    } catch (const std::exception& e) {
        // The error box itself failed; the loop must still go on.
        std::cerr << title_ << ": " << text << " (and the error box failed: " << e.what() << ")\n";
    }
}

void Application::Minimize() {
    for (Form* f : zorder_) backend_->MinimizeWindow(*f);
}

bool Application::AcceptsInput(const Form& form) const {
    if (modal_.empty() || form.PopupStyle) return true;
    return modal_.back() == &form;
}

void Application::DeliverMouseDown(Form& form, gfx::Point window, gfx::Point screen, MouseButton button,
                                   unsigned shift) {
    // A press anywhere but on a popup ends the popups first, as it ends a menu.
    if (!form.PopupStyle) CancelPopups(nullptr);
    if (!AcceptsInput(form)) {
        BringToFront(*modal_.back());
        return;
    }
    if (!form.PopupStyle && active_ != &form) {
        BringToFront(form);
        Guarded([&] { Activate(&form); });
    }
    Guarded([&] { form.HandleMouseDown(window, screen, button, shift); });
}

void Application::DeliverMouseUp(Form& form, gfx::Point window, gfx::Point screen, MouseButton button, unsigned shift) {
    if (!AcceptsInput(form)) return;
    Guarded([&] { form.HandleMouseUp(window, screen, button, shift); });
}

void Application::DeliverMouseMove(Form& form, gfx::Point window, gfx::Point screen, unsigned shift) {
    if (!AcceptsInput(form)) return;
    Guarded([&] { form.HandleMouseMove(window, screen, shift); });
}

void Application::DeliverMouseWheel(Form& form, gfx::Point window, int delta, unsigned shift) {
    if (!AcceptsInput(form)) return;
    Guarded([&] { form.HandleMouseWheel(window, delta, shift); });
}

void Application::DeliverMouseLeave(Form& form) {
    Guarded([&] { form.HandleMouseLeave(); });
}

void Application::DeliverKeyDown(Form& form, Key key, unsigned shift) {
    if (!AcceptsInput(form)) return;
    if (PopupWindow* popup = InnermostPopup(form)) {
        Guarded([&] { popup->PopupKeyDown(key, shift); });
        return;
    }
    Guarded([&] { form.HandleKeyDown(key, shift); });
}

void Application::DeliverKeyUp(Form& form, Key key, unsigned shift) {
    if (!AcceptsInput(form)) return;
    if (PopupWindow* popup = InnermostPopup(form)) {
        Guarded([&] { popup->PopupKeyUp(key, shift); });
        return;
    }
    Guarded([&] { form.HandleKeyUp(key, shift); });
}

void Application::DeliverText(Form& form, std::string_view utf8, unsigned shift) {
    if (!AcceptsInput(form)) return;
    if (PopupWindow* popup = InnermostPopup(form)) {
        for (char32_t ch : gfx::DecodeUtf8(utf8)) {
            // The popup may close under its own key; the rest of the text goes nowhere.
            if (ch < 0x20 || ch == 0x7F || InnermostPopup(form) != popup) continue;
            Guarded([&] { popup->PopupKeyPress(ch); });
        }
        return;
    }
    Guarded([&] { form.HandleText(utf8, shift); });
}

void Application::DeliverBoundsChanged(Form& form, const gfx::Rect& bounds) {
    Guarded([&] { form.HandleBoundsChanged(bounds); });
}

void Application::DeliverFocusGained(Form& form) {
    if (form.PopupStyle) return;
    Form* target = AcceptsInput(form) ? &form : modal_.back();
    if (target != &form) backend_->RaiseWindow(*target);
    Guarded([&] { Activate(target); });
}

void Application::DeliverCloseRequest(Form& form) {
    if (!AcceptsInput(form)) return;
    Guarded([&] { form.Close(); });
}

void Application::Register(Form& form) {
    forms_.push_back(&form);
    backend_->CreateWindow(form);
}

void Application::Unregister(Form& form) {
    EraseValue(forms_, &form);
    EraseValue(zorder_, &form);
    EraseValue(modal_, &form);
    if (active_ == &form) active_ = nullptr;
    backend_->DestroyWindow(form);
}

void Application::Register(Timer& timer) { timers_.push_back(&timer); }

void Application::Unregister(Timer& timer) { EraseValue(timers_, &timer); }

void Application::Activate(Form* form) {
    if (form == active_ || (form && form->PopupStyle)) return;
    Form* old = active_;
    // A window losing the activation takes its popups with it.
    if (old) CancelPopups(old);
    active_ = form;
    if (form) backend_->RaiseWindow(*form);
    if (old) old->SetActiveState(false);
    // A deactivation handler may have moved the activation on already.
    if (form && active_ == form) form->SetActiveState(true);
}

void Application::FormShown(Form& form) {
    BringToFront(form);
    if (!form.PopupStyle) Activate(&form);
}

void Application::FormHidden(Form& form) {
    EraseValue(zorder_, &form);
    if (active_ != &form) return;
    // The window that was in front of the others before takes the activation back; a modal
    // window being hidden no longer blocks the one that opened it.
    Form* blocker = nullptr;
    for (auto it = modal_.rbegin(); it != modal_.rend() && !blocker; ++it)
        if (*it != &form) blocker = *it;
    Form* next = nullptr;
    for (auto it = zorder_.rbegin(); it != zorder_.rend(); ++it) {
        if (!(*it)->PopupStyle && (!blocker || *it == blocker)) {
            next = *it;
            break;
        }
    }
    Activate(next);
}

void Application::PushModal(Form& form) { modal_.push_back(&form); }

void Application::PopModal(Form& form) { EraseValue(modal_, &form); }

void Application::BringToFront(Form& form) {
    if (!form.Visible()) return;
    EraseValue(zorder_, &form);
    zorder_.push_back(&form);
    // Popups stay above ordinary windows.
    std::stable_partition(zorder_.begin(), zorder_.end(), [](const Form* f) { return !f->PopupStyle; });
    backend_->RaiseWindow(form);
}

void Application::FireDueTimers() {
    const std::int64_t now = backend_->NowMs();
    while (FireNextTimer(now)) {
    }
}

std::optional<std::int64_t> Application::NextDeadline() const {
    std::optional<std::int64_t> next;
    for (const Timer* t : timers_)
        if (t->Armed() && (!next || t->Deadline() < *next)) next = t->Deadline();
    return next;
}

bool Application::FireNextTimer(std::int64_t limit) {
    Timer* due = nullptr;
    for (Timer* t : timers_)
        if (t->Armed() && t->Deadline() <= limit && (!due || t->Deadline() < due->Deadline())) due = t;
    if (!due) return false;
    Guarded([&] { due->Fire(limit); });
    return true;
}

void Application::UpdateAll() {
    const std::vector<Form*> snapshot = zorder_;
    for (Form* f : snapshot)
        if (HasValue(forms_, f)) Guarded([&] { f->Update(); });
}

void Application::RegisterPopup(PopupWindow& popup) { popups_.push_back(&popup); }

void Application::UnregisterPopup(PopupWindow& popup) { EraseValue(popups_, &popup); }

PopupWindow* Application::InnermostPopup(const Form& owner) const {
    for (auto it = zorder_.rbegin(); it != zorder_.rend(); ++it) {
        if (!(*it)->PopupStyle) break;
        for (PopupWindow* p : popups_)
            if (p == *it && &p->PopupOwner() == &owner) return p;
    }
    return nullptr;
}

void Application::CancelPopups(const Form* owner) {
    // Cancelling one popup may close or destroy others: work on a snapshot.
    const std::vector<PopupWindow*> snapshot = popups_;
    for (PopupWindow* p : snapshot) {
        if (!HasValue(popups_, p) || !p->Visible() || (owner && &p->PopupOwner() != owner)) continue;
        Guarded([&] { p->CancelMode(); });
    }
}

}  // namespace platform
