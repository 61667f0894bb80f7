#include "platform/control.h"

#include <algorithm>

#include "platform/form.h"
#include "platform/text_input.h"
#include "platform/win_control.h"

namespace platform {

Control::~Control() {
    // A form keeps plain pointers to the controls under the pointer and with the focus.
    if (Form* form = ParentForm(); form && form != this) form->Released(*this);
}

Form* Control::ParentForm() const { return parent_ ? parent_->ParentForm() : nullptr; }

void Control::SetBounds(int left, int top, int width, int height) {
    const gfx::Rect next = gfx::Rect::from_size(left, top, std::max(0, width), std::max(0, height));
    if (next == bounds_) return;
    const bool resized = next.size() != bounds_.size();
    if (parent_ && visible_) parent_->InvalidateRect(bounds_);
    bounds_ = next;
    if (parent_ && visible_) parent_->InvalidateRect(bounds_);
    if (resized) Resized();
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    if (parent_ && visible_) parent_->InvalidateRect(bounds_);
    visible_ = visible;
    if (parent_ && visible_) parent_->InvalidateRect(bounds_);
    VisibleChanged();
}

bool Control::Showing() const {
    if (!visible_) return false;
    return parent_ ? parent_->Showing() : dynamic_cast<const Form*>(this) != nullptr;
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
}

bool Control::IsEnabled() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->enabled_) return false;
    return true;
}

void Control::Invalidate() { InvalidateRect(ClientRect()); }

void Control::InvalidateRect(const gfx::Rect& local) {
    Form* form = ParentForm();
    if (!form || local.empty()) return;
    const gfx::Point origin = ClientToWindow({0, 0});
    form->InvalidateWindow(local.intersected(ClientRect()).translated(origin));
}

void Control::BringToFront() {
    if (parent_) parent_->Restack(*this, true);
}

void Control::SendToBack() {
    if (parent_) parent_->Restack(*this, false);
}

gfx::Point Control::ClientToWindow(gfx::Point local) const {
    gfx::Point p = local;
    const Control* c = this;
    for (; c->parent_; c = c->parent_) p = p + c->bounds_.top_left();
    if (const auto* form = dynamic_cast<const Form*>(c)) p = p + form->ClientRectInWindow().top_left();
    return p;
}

gfx::Point Control::ClientToScreen(gfx::Point local) const {
    const Form* form = ParentForm();
    const gfx::Point w = ClientToWindow(local);
    return form ? w + form->BoundsRect().top_left() : w;
}

gfx::Point Control::ScreenToClient(gfx::Point screen) const {
    const gfx::Point origin = ClientToScreen({0, 0});
    return screen - origin;
}

char32_t AcceleratorOf(std::string_view caption) {
    const std::vector<char32_t> chars = DecodeUtf8(caption);
    for (std::size_t i = 0; i + 1 < chars.size(); ++i) {
        if (chars[i] != U'&') continue;
        if (chars[i + 1] == U'&') {
            ++i;
            continue;
        }
        return ToLowerChar(chars[i + 1]);
    }
    return 0;
}

}  // namespace platform
