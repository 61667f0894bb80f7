#include "controls/buttons/check_radio_box.h"

#include "skin/records/data_skin_control_buttons.h"
#include "skin/skin_data.h"

namespace controls {

TspSkinCheckRadioBox::TspSkinCheckRadioBox(platform::Component* owner)
    : TspSkinCustomControl(owner),
      fader_([this] { return LooksHot(); }, [this] { return HasSection() && MorphEnabled(); },
             [this] { Invalidate(); }) {
    SetSkinDataName("checkbox");
    TabStop = false;
    SetBounds(0, 0, 150, 25);
}

void TspSkinCheckRadioBox::SetWordWrap(bool value) {
    wordWrap_ = value;
    if (flat_) Invalidate();
}

void TspSkinCheckRadioBox::SetAllowGrayed(bool value) {
    allowGrayed_ = value;
    Invalidate();
}

void TspSkinCheckRadioBox::SetImages(platform::ImageList* list) {
    if (images_ != list) {
        if (images_) RemoveFreeNotification(images_);
        images_ = list;
        if (list) FreeNotification(list);
    }
    Invalidate();
}

void TspSkinCheckRadioBox::SetImageIndex(int value) {
    imageIndex_ = value;
    Invalidate();
}

void TspSkinCheckRadioBox::SetCanFocused(bool value) {
    canFocused_ = value;
    TabStop = value;
}

void TspSkinCheckRadioBox::SetRadio(bool value) {
    radio_ = value;
    FetchSkinData();
    if (!HasSection() && DrawDefault) Invalidate();
}

void TspSkinCheckRadioBox::SetFlat(bool value) {
    flat_ = value;
    Invalidate();
}

void TspSkinCheckRadioBox::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    FetchSkinData();
    if (HasSection() || DrawDefault) Invalidate();
}

void TspSkinCheckRadioBox::StoreChecked(bool value) {
    checked_ = value;
    if (value || state_ == TCheckBoxState::cbChecked) {
        state_ = value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked;
    }
    Invalidate();
    if (!value || groupIndex_ == 0 || !Parent()) return;
    for (const auto& sibling : Parent()->Controls()) {
        auto* other = dynamic_cast<TspSkinCheckRadioBox*>(sibling.get());
        if (other && other != this && other->groupIndex_ == groupIndex_ && other->checked_) other->SetChecked(false);
    }
}

void TspSkinCheckRadioBox::SetChecked(bool value) {
    StoreChecked(value);
    if ((!radio_ || checked_) && OnClick) OnClick(*this);
}

void TspSkinCheckRadioBox::SetState(TCheckBoxState value) {
    state_ = value;
    if (value == TCheckBoxState::cbChecked) {
        StoreChecked(true);
    } else {
        checked_ = false;
        Invalidate();
    }
    if (OnClick) OnClick(*this);
}

void TspSkinCheckRadioBox::Toggle() {
    if (!radio_) {
        SetChecked(!checked_);
    } else if (!checked_) {
        SetChecked(true);
    }
}

bool TspSkinCheckRadioBox::MorphEnabled() const {
    const skin::TspSkinData* data = SkinData();
    return !flat_ && look_.Morphing && data && !data->IsEmpty() && data->EnableSkinEffects;
}

bool TspSkinCheckRadioBox::LooksHot() const { return PointerInside() || (canFocused_ && Focused()); }

bool TspSkinCheckRadioBox::CanFocus() const { return canFocused_ && TspSkinCustomControl::CanFocus(); }

void TspSkinCheckRadioBox::Refresh() {
    if (MorphEnabled() && HasSection()) {
        fader_.Start(*this);
    } else {
        Invalidate();
    }
}

void TspSkinCheckRadioBox::FetchSkinData() {
    TspSkinCustomControl::FetchSkinData();
    const auto* r = dynamic_cast<const skin::TspDataSkinCheckRadioControl*>(SectionRecord());
    if (!r) return;
    const auto orElse = [](const gfx::Rect& rect, const gfx::Rect& fallback) { return rect.empty() ? fallback : rect; };
    look_.Font = r->Font;
    look_.FontColor = r->Font.FontColor;
    look_.ActiveFontColor = r->ActiveFontColor;
    look_.UnEnabledFontColor = r->UnEnabledFontColor;
    look_.FrameFontColor = r->FrameFontColor;
    look_.ActiveSkinRect = orElse(r->ActiveSkinRect, r->SkinRect);
    look_.CheckImageArea = r->CheckImageArea;
    look_.TextArea = r->TextArea;
    look_.CheckImageRect = r->CheckImageRect;
    look_.UnCheckImageRect = r->UnCheckImageRect;
    look_.ActiveCheckImageRect = orElse(r->ActiveCheckImageRect, r->CheckImageRect);
    look_.ActiveUnCheckImageRect = orElse(r->ActiveUnCheckImageRect, r->UnCheckImageRect);
    look_.UnEnabledCheckImageRect = orElse(r->UnEnabledCheckImageRect, r->CheckImageRect);
    look_.UnEnabledUnCheckImageRect = orElse(r->UnEnabledUnCheckImageRect, r->UnCheckImageRect);
    look_.GrayedCheckImageRect = r->GrayedCheckImageRect;
    look_.ActiveGrayedCheckImageRect = r->ActiveGrayedCheckImageRect;
    look_.Morphing = r->Morphing;
    look_.MorphKind = r->MorphKind;
}

void TspSkinCheckRadioBox::ApplySkinChange() {
    if (flat_) {
        FetchSkinData();
        Invalidate();
        return;
    }
    fader_.Stop();
    TspSkinCustomControl::ApplySkinChange();
    if (LooksHot()) fader_.SetLevel(1);
}

void TspSkinCheckRadioBox::FitSkinSize(gfx::Size& size) {
    if (flat_) return;
    TspSkinCustomControl::FitSkinSize(size);
    if (!HasSection()) return;
    const int dW = size.width - Geometry().SkinRect.width();
    textArea_ = look_.TextArea;
    textArea_.right += dW;
    checkArea_ = look_.CheckImageArea;
    if (look_.TextArea.right < look_.CheckImageArea.right) checkArea_ = checkArea_.translated(dW, 0);
    const gfx::Size image = look_.CheckImageRect.size();
    checkPosition_ = {checkArea_.left + checkArea_.width() / 2 - image.width / 2,
                      checkArea_.top + checkArea_.height() / 2 - image.height / 2};
}

void TspSkinCheckRadioBox::BackgroundChanged() {
    if (flat_) {
        Invalidate();
        return;
    }
    TspSkinCustomControl::BackgroundChanged();
}

void TspSkinCheckRadioBox::MouseDown(platform::MouseButton button, unsigned /*shift*/, gfx::Point /*p*/) {
    if (button == platform::MouseButton::Left && canFocused_ && !Focused()) {
        SetFocus();
        if (!Focused()) return;
    }
    if (!pointerInside_) {
        pointerInside_ = true;
        Refresh();
    }
}

void TspSkinCheckRadioBox::MouseUp(platform::MouseButton button, unsigned /*shift*/, gfx::Point /*p*/) {
    if (button != platform::MouseButton::Left || !pointerInside_) return;
    if (allowGrayed_ && !radio_ && state_ == TCheckBoxState::cbUnchecked) {
        SetState(TCheckBoxState::cbGrayed);
    } else {
        Toggle();
    }
}

void TspSkinCheckRadioBox::MouseEnter() {
    TspSkinCustomControl::MouseEnter();
    pointerInside_ = true;
    Refresh();
}

void TspSkinCheckRadioBox::MouseLeave() {
    TspSkinCustomControl::MouseLeave();
    pointerInside_ = false;
    Refresh();
}

void TspSkinCheckRadioBox::KeyUp(platform::Key& key, unsigned /*shift*/) {
    if (!canFocused_ || key != platform::Key::Space || !Focused()) return;
    Toggle();
    key = platform::Key::None;
}

bool TspSkinCheckRadioBox::HandleAccelerator(char32_t ch) {
    if (!canFocused_ || !CanFocus() || ch == 0 || platform::AcceleratorOf(caption_) != ch) return false;
    SetFocus();
    Toggle();
    return true;
}

void TspSkinCheckRadioBox::FocusChanged(bool /*focused*/) { Refresh(); }

void TspSkinCheckRadioBox::EnabledChanged() {
    if (MorphEnabled()) {
        fader_.Stop();
        fader_.SetLevel(0);
    }
    pointerInside_ = false;
    Invalidate();
}

void TspSkinCheckRadioBox::ComponentRemoved(platform::Component* removed) {
    if (removed == images_) images_ = nullptr;
    TspSkinCustomControl::ComponentRemoved(removed);
}

}  // namespace controls
