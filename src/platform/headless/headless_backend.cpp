#include "platform/headless/headless_backend.h"

#include <stdexcept>

#include "platform/application.h"

namespace platform::headless {

HeadlessBackend::HeadlessBackend(bool audioDevice) : audio_(std::make_unique<HeadlessAudio>(audioDevice)) {}
HeadlessBackend::~HeadlessBackend() = default;

bool HeadlessBackend::WaitEvents(Application& /*app*/, std::optional<std::int64_t> /*deadline*/) {
    if (script_.empty()) {
        ++stalled_;
        return false;
    }
    std::function<void()> step = std::move(script_.front());
    script_.pop_front();
    step();
    return true;
}

void HeadlessBackend::CreateWindow(Form& form) { windows_[&form] = WindowState{form.BoundsRect(), form.Caption()}; }

void HeadlessBackend::DestroyWindow(Form& form) {
    windows_.erase(&form);
    if (captured_ == &form) captured_ = nullptr;
}

void HeadlessBackend::ShowWindow(Form& form, bool visible) {
    WindowState& w = windows_[&form];
    w.visible = visible;
    if (visible) w.minimized = false;
    if (const auto* box = dynamic_cast<const MessageBoxForm*>(&form); box && visible)
        messages_.push_back({box->Kind(), box->Caption(), box->Text()});
}

void HeadlessBackend::RaiseWindow(Form& form) {
    // Bringing a minimised window to the front restores it, as window managers do.
    windows_[&form].minimized = false;
}

void HeadlessBackend::MinimizeWindow(Form& form) { windows_[&form].minimized = true; }

void HeadlessBackend::SetWindowBounds(Form& form, const gfx::Rect& bounds) { windows_[&form].bounds = bounds; }

void HeadlessBackend::SetWindowCaption(Form& form, const std::string& caption) { windows_[&form].caption = caption; }

void HeadlessBackend::SetWindowOutline(Form& form, const std::optional<gfx::Region>& outline) {
    windows_[&form].outline = outline;
}

void HeadlessBackend::SetWindowOpacity(Form& form, std::uint8_t opacity) { windows_[&form].opacity = opacity; }

void HeadlessBackend::Present(Form& form, const gfx::Bitmap& /*backbuffer*/, const gfx::Rect& dirty) {
    WindowState& state = windows_[&form];
    ++state.presents;
    state.lastPresented = dirty;
}

void HeadlessBackend::CapturePointer(Form& form, bool capture) {
    if (capture)
        captured_ = &form;
    else if (captured_ == &form)
        captured_ = nullptr;
}

Audio* HeadlessBackend::GetAudio() { return audio_.get(); }

const WindowState& HeadlessBackend::State(const Form& form) const {
    const auto it = windows_.find(&form);
    if (it == windows_.end()) throw std::runtime_error("headless: the window has no native state (was it destroyed?)");
    return it->second;
}

}  // namespace platform::headless
