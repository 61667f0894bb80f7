#include <cstdlib>

#include "controls/text/skin_edit.h"
#include "gfx/text.h"
#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/form.h"
#include "skin/records/data_skin_control_text.h"

namespace controls {

namespace {
// Half a blink cycle, and the time and distance within which presses count as one
// double or triple click.
constexpr int kBlinkMs = 500;
constexpr int kMultiClickMs = 500;
constexpr int kMultiClickDistance = 4;
}  // namespace

int TspSkinEdit::MeasureChars(std::u32string_view text) const {
    return text.empty() ? 0 : gfx::TextWidth(TextFont(), gfx::EncodeUtf8(text));
}

int TspSkinEdit::TextOrigin() const { return TextArea().left + 2; }

void TspSkinEdit::CaretMoved() {
    const gfx::Rect area = TextArea();
    editor_.KeepCaretVisible([this](std::u32string_view t) { return MeasureChars(t); }, area.width() - 3);
    caretOn_ = true;
    // Restarting the count keeps the caret solid while the user types or moves it.
    if (blink_.Running()) blink_.Start(*this, kBlinkMs);
    Invalidate();
}

bool TspSkinEdit::Blinking() const { return blink_.Running(); }

void TspSkinEdit::Blink() {
    caretOn_ = !caretOn_;
    Invalidate();
}

void TspSkinEdit::UpdateBlink() {
    platform::Form* form = ParentForm();
    const bool blink = form && Focused() && IsEnabled() && form->IsActive();
    if (!blink)
        blink_.Stop();
    else if (!blink_.Running())
        blink_.Start(*this, kBlinkMs);
    caretOn_ = blink;
    Invalidate();
}

void TspSkinEdit::FocusChanged(bool focused) {
    if (focused) {
        // Arriving by the keyboard selects everything; a click then places the caret.
        editor_.SelectAll();
    } else {
        selecting_ = false;
    }
    UpdateBlink();
    CaretMoved();
}

void TspSkinEdit::WindowActivationChanged(bool /*active*/) { UpdateBlink(); }

platform::Clipboard* TspSkinEdit::GetClipboard() const {
    platform::Form* form = ParentForm();
    return form ? &form->App().GetBackend().GetClipboard() : nullptr;
}

void TspSkinEdit::CopyToClipboard() {
    if (!editor_.HasSelection()) return;
    if (platform::Clipboard* clipboard = GetClipboard()) clipboard->SetText(editor_.SelectedText());
}

void TspSkinEdit::CutToClipboard() {
    if (editor_.ReadOnly || !editor_.HasSelection()) return;
    CopyToClipboard();
    editor_.DeleteSelection();
    CaretMoved();
}

void TspSkinEdit::PasteFromClipboard() {
    platform::Clipboard* clipboard = GetClipboard();
    if (editor_.ReadOnly || !clipboard) return;
    editor_.Insert(std::string_view(clipboard->Text()));
    CaretMoved();
}

void TspSkinEdit::KeyDown(platform::Key& key, unsigned shift) {
    using platform::Key;
    const bool ctrl = shift & platform::ssCtrl;
    const bool extend = shift & platform::ssShift;
    switch (key) {
        case Key::Left:
            editor_.Move(ctrl ? CaretMove::WordLeft : CaretMove::CharLeft, extend);
            break;
        case Key::Right:
            editor_.Move(ctrl ? CaretMove::WordRight : CaretMove::CharRight, extend);
            break;
        case Key::Home:
            editor_.Move(CaretMove::Home, extend);
            break;
        case Key::End:
            editor_.Move(CaretMove::End, extend);
            break;
        case Key::Back:
            editor_.DeleteBackward(ctrl);
            break;
        case Key::Delete:
            if (extend && !ctrl)
                CutToClipboard();
            else
                editor_.DeleteForward(ctrl);
            break;
        case Key::Insert:
            if (ctrl)
                CopyToClipboard();
            else if (extend)
                PasteFromClipboard();
            else
                return;
            break;
        default:
            if (!ctrl || extend) return;
            if (key == platform::LetterKey('a'))
                editor_.SelectAll();
            else if (key == platform::LetterKey('c'))
                CopyToClipboard();
            else if (key == platform::LetterKey('x'))
                CutToClipboard();
            else if (key == platform::LetterKey('v'))
                PasteFromClipboard();
            else
                return;
            break;
    }
    key = Key::None;
    CaretMoved();
}

void TspSkinEdit::KeyPress(char32_t& ch) {
    if (ch < 0x20) return;
    editor_.Insert(std::u32string_view(&ch, 1));
    ch = 0;
    CaretMoved();
}

void TspSkinEdit::MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) {
    if (button != platform::MouseButton::Left) return;
    if (ButtonRect().contains(p)) {
        buttonHot_ = buttonPressed_ = true;
        Invalidate();
        return;
    }
    platform::Form* form = ParentForm();
    const std::int64_t now = form ? form->App().NowMs() : 0;
    const bool near =
        std::abs(p.x - lastClickAt_.x) <= kMultiClickDistance && std::abs(p.y - lastClickAt_.y) <= kMultiClickDistance;
    clickCount_ = clickCount_ > 0 && near && now - lastClickMs_ <= kMultiClickMs ? clickCount_ % 3 + 1 : 1;
    lastClickMs_ = now;
    lastClickAt_ = p;
    const int pos = editor_.PositionAt(p.x - TextOrigin(), [this](std::u32string_view t) { return MeasureChars(t); });
    if (clickCount_ == 1) {
        editor_.PlaceCaret(pos, shift & platform::ssShift);
        selecting_ = true;
    } else if (clickCount_ == 2) {
        editor_.SelectRunAt(pos);
    } else {
        editor_.SelectAll();
    }
    CaretMoved();
}

void TspSkinEdit::MouseMove(unsigned shift, gfx::Point p) {
    if (selecting_ && (shift & platform::ssLeft)) {
        const int pos =
            editor_.PositionAt(p.x - TextOrigin(), [this](std::u32string_view t) { return MeasureChars(t); });
        if (pos != editor_.Caret()) {
            editor_.PlaceCaret(pos, true);
            CaretMoved();
        }
    }
    const bool hot = ButtonRect().contains(p);
    if (hot != buttonHot_) {
        buttonHot_ = hot;
        Invalidate();
    }
}

void TspSkinEdit::MouseUp(platform::MouseButton /*button*/, unsigned /*shift*/, gfx::Point p) {
    selecting_ = false;
    if (!buttonPressed_) return;
    buttonPressed_ = false;
    Invalidate();
    if (ButtonRect().contains(p) && OnButtonClick) OnButtonClick(*this);
}

void TspSkinEdit::MouseEnter() {
    pointerInside_ = true;
    if (section_ && !Focused()) activeColor_ = true;
    Invalidate();
    TspSkinCustomControl::MouseEnter();
}

void TspSkinEdit::MouseLeave() {
    pointerInside_ = false;
    activeColor_ = false;
    buttonHot_ = buttonPressed_ = false;
    Invalidate();
    TspSkinCustomControl::MouseLeave();
}

}  // namespace controls
