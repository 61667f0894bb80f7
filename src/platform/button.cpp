#include "platform/button.h"

#include "gfx/text.h"
#include "platform/form.h"

namespace platform {

TButton::TButton(Component* owner) : WinControl(owner) {
    TabStop = true;
    SetBounds(0, 0, 75, 25);
}

void TButton::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Invalidate();
}

void TButton::Paint(gfx::Painter& painter) {
    const gfx::Rect all = ClientRect();
    const bool down = (pressed_ && inside_) || spaceDown_;
    const bool focused = Focused();
    painter.FillRect(all, gfx::ColorToPixel(gfx::clBtnFace));
    gfx::Rect r = all;
    if (focused || Default) {
        painter.FrameRect(r, gfx::ColorToPixel(gfx::cl3DDkShadow));
        r = r.shrunk(1, 1);
    }
    if (down) {
        painter.FrameRect(r, gfx::ColorToPixel(gfx::clBtnShadow));
    } else {
        painter.Frame3D(r, gfx::ColorToPixel(gfx::clBtnHighlight), gfx::ColorToPixel(gfx::cl3DDkShadow));
        painter.Frame3D(r.shrunk(1, 1), gfx::ColorToPixel(gfx::cl3DLight), gfx::ColorToPixel(gfx::clBtnShadow));
    }
    gfx::Font font = Font;
    if (!IsEnabled()) font.FontColor = gfx::clGrayText;
    const gfx::Rect text = down ? all.translated(1, 1) : all;
    painter.DrawText(font, caption_, text, gfx::dtCenter | gfx::dtVCenter | gfx::dtSingleLine);
    if (focused) painter.DrawFocusRect(all.shrunk(4, 4));
}

void TButton::MouseDown(MouseButton button, unsigned /*shift*/, gfx::Point p) {
    if (button != MouseButton::Left) return;
    pressed_ = true;
    inside_ = ClientRect().contains(p);
    Invalidate();
}

void TButton::MouseUp(MouseButton button, unsigned /*shift*/, gfx::Point /*p*/) {
    if (button != MouseButton::Left) return;
    pressed_ = false;
    Invalidate();
}

void TButton::MouseEnter() {
    inside_ = true;
    if (pressed_) Invalidate();
}

void TButton::MouseLeave() {
    inside_ = false;
    if (pressed_) Invalidate();
}

void TButton::KeyDown(Key& key, unsigned /*shift*/) {
    if (key == Key::Space) {
        spaceDown_ = true;
        Invalidate();
        key = Key::None;
    } else if (key == Key::Return) {
        key = Key::None;
        Click();
    }
}

void TButton::KeyUp(Key& key, unsigned /*shift*/) {
    if (key != Key::Space || !spaceDown_) return;
    spaceDown_ = false;
    Invalidate();
    key = Key::None;
    Click();
}

void TButton::Click() {
    if (OnClick) OnClick(*this);
    if (ModalResult != 0)
        if (Form* form = ParentForm()) form->ModalResult = ModalResult;
}

bool TButton::HandleAccelerator(char32_t ch) {
    if (ch == 0 || AcceleratorOf(caption_) != ch) return false;
    SetFocus();
    Click();
    return true;
}

bool TButton::HandleDialogKey(Key key, unsigned /*shift*/) {
    if ((key == Key::Return && Default) || (key == Key::Escape && Cancel)) {
        Click();
        return true;
    }
    return false;
}

bool TButton::WantsKey(Key key) const { return key == Key::Space || key == Key::Return; }

}  // namespace platform
