#include "controls/buttons/skin_button.h"

#include <algorithm>

#include "platform/form.h"
#include "skin/records/data_skin_control_buttons.h"
#include "skin/skin_data.h"

namespace controls {

TspSkinButton::TspSkinButton(platform::Component* owner)
    : TspSkinCustomControl(owner),
      fader_([this] { return PointerInside() || FocusedLook(); }, [this] { return HasSection() && MorphEnabled(); },
             [this] { Invalidate(); }),
      repeatTimer_([this] { RepeatTick(); }),
      animTimer_([this] { AnimationTick(); }) {
    SetSkinDataName("button");
    TabStop = true;
    SetBounds(0, 0, 75, 25);
}

TspSkinButton::~TspSkinButton() = default;

void TspSkinButton::SetImageList(platform::ImageList* list) {
    if (imageList_ == list) return;
    if (imageList_) RemoveFreeNotification(imageList_);
    imageList_ = list;
    if (list) FreeNotification(list);
    Invalidate();
}

void TspSkinButton::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Invalidate();
}

void TspSkinButton::SetUseSkinSize(bool value) {
    useSkinSize_ = value;
    if (HasSection()) ApplySkinChange();
}

void TspSkinButton::SetCanFocused(bool value) {
    canFocused_ = value;
    TabStop = value;
}

void TspSkinButton::SetGroupIndex(int value) {
    groupIndex_ = value;
    if (value != 0) SetCanFocused(false);
}

void TspSkinButton::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    FetchSkinData();
    if (HasSection() || DrawDefault) Invalidate();
}

void TspSkinButton::SetGlyph(const gfx::Bitmap& glyph) {
    if (glyph == glyph_) return;
    glyph_ = glyph;
    Invalidate();
}

void TspSkinButton::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == numGlyphs_) return;
    numGlyphs_ = value;
    Invalidate();
}

void TspSkinButton::SetMargin(int value) {
    if (value < -1 || value == placement_.Margin) return;
    placement_.Margin = value;
    Invalidate();
}

void TspSkinButton::SetSpacing(int value) {
    if (value == placement_.Spacing) return;
    placement_.Spacing = value;
    Invalidate();
}

void TspSkinButton::SetLayout(TButtonLayout value) {
    if (value == placement_.Layout) return;
    placement_.Layout = value;
    Invalidate();
}

void TspSkinButton::SetDefault(bool value) {
    default_ = value;
    platform::Form* form = ParentForm();
    if (form && canFocused_) {
        form->AnnounceFocus();
    } else {
        defaultActive_ = value;
    }
}

void TspSkinButton::SetAction(TspAction* action) {
    action_ = action;
    if (!action || !action->Images || glyph_.width() > 0) return;
    const platform::ImageList& list = *action->Images;
    if (action->ImageIndex < 0 || action->ImageIndex >= list.Count()) return;
    gfx::Bitmap glyph(list.Width(), list.Height(), gfx::MakePixel(255, 0, 255));
    gfx::Painter painter(glyph);
    list.Draw(painter, action->ImageIndex, 0, 0, true);
    SetGlyph(glyph);
}

void TspSkinButton::SetDown(bool value) {
    down_ = value;
    if (MorphEnabled()) {
        fader_.SetLevel(1);
        if (value) {
            fader_.Stop();
        } else {
            fader_.Start(*this);
        }
    }
    Invalidate();
    if (groupIndex_ == 0 || !value || AllowAllUp || !Parent()) return;
    for (const auto& sibling : Parent()->Controls()) {
        auto* other = dynamic_cast<TspSkinButton*>(sibling.get());
        if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) other->SetDown(false);
    }
}

bool TspSkinButton::MorphEnabled() const { return look_.Morphing && EffectsEnabled(); }

bool TspSkinButton::EffectsEnabled() const {
    const skin::TspSkinData* data = SkinData();
    return data && !data->IsEmpty() && data->EnableSkinEffects;
}

bool TspSkinButton::FocusedLook() const { return canFocused_ && Focused(); }

bool TspSkinButton::CanFocus() const { return canFocused_ && TspSkinCustomControl::CanFocus(); }

void TspSkinButton::ButtonClick() {
    if (canFocused_) {
        if (platform::Form* form = ParentForm()) form->ModalResult = ModalResult;
    }
    if (OnClick) {
        OnClick(*this);
    } else if (action_) {
        action_->Execute();
    }
}

void TspSkinButton::FetchSkinData() {
    TspSkinCustomControl::FetchSkinData();
    const auto* record = dynamic_cast<const skin::TspDataSkinButtonControl*>(SectionRecord());
    if (!record) return;
    look_.Font = record->Font;
    look_.FontColor = record->Font.FontColor;
    look_.ActiveFontColor = record->ActiveFontColor;
    look_.DownFontColor = record->DownFontColor;
    look_.DisabledFontColor = record->DisabledFontColor;
    look_.ActiveRect = record->ActiveSkinRect.empty() ? record->SkinRect : record->ActiveSkinRect;
    look_.DownRect = record->DownSkinRect.empty() ? look_.ActiveRect : record->DownSkinRect;
    look_.DisabledRect = record->DisabledSkinRect;
    look_.FocusedRect = record->FocusedSkinRect;
    look_.AnimateRect = record->AnimateSkinRect;
    look_.FrameCount = record->FrameCount;
    look_.AnimateInterval = record->AnimateInterval;
    look_.Morphing = record->Morphing;
    look_.MorphKind = record->MorphKind;
    look_.ShowFocus = record->ShowFocus;
}

void TspSkinButton::ApplySkinChange() {
    StopAnimation();
    fader_.Stop();
    TspSkinCustomControl::ApplySkinChange();
    if (MorphEnabled() && (FocusedLook() || PointerInside())) fader_.SetLevel(1);
}

void TspSkinButton::FitSkinSize(gfx::Size& size) {
    if (useSkinSize_) {
        TspSkinCustomControl::FitSkinSize(size);
        return;
    }
    gfx::Size kept = size;
    TspSkinCustomControl::FitSkinSize(kept);
}

bool TspSkinButton::ShowsDown() const {
    if (!down_) return false;
    if (groupIndex_ != 0) return true;
    return PointerInside() || (FocusedLook() && !buttonHeld_);
}

bool TspSkinButton::HoverChangesLook() const { return groupIndex_ != 0 ? !down_ : (!FocusedLook() || down_); }

void TspSkinButton::MorphOrRepaint() {
    if (MorphEnabled() && HasSection()) {
        fader_.Start(*this);
    } else {
        Invalidate();
    }
}

void TspSkinButton::MouseDown(platform::MouseButton button, unsigned /*shift*/, gfx::Point /*p*/) {
    if (button != platform::MouseButton::Left) return;
    if (canFocused_ && !Focused()) {
        SetFocus();
        if (!Focused()) return;
    }
    StopAnimation();
    buttonHeld_ = true;
    if (!down_) {
        pointerInside_ = true;
        SetDown(true);
        if (RepeatMode && groupIndex_ == 0) {
            repeatTimer_.Start(*this, kRepeatFirstDelay);
        } else if (groupIndex_ != 0) {
            ButtonClick();
        }
        wasDownAtPress_ = false;
    } else if (groupIndex_ != 0) {
        wasDownAtPress_ = true;
    }
}

void TspSkinButton::MouseUp(platform::MouseButton button, unsigned /*shift*/, gfx::Point /*p*/) {
    if (button != platform::MouseButton::Left || !buttonHeld_) return;
    buttonHeld_ = false;
    if (groupIndex_ == 0) {
        repeatTimer_.Stop();
        if (PointerInside()) {
            const bool wasDown = down_;
            SetDown(false);
            if (wasDown) ButtonClick();
        } else {
            down_ = false;
        }
        return;
    }
    if (down_ && AllowAllUp && wasDownAtPress_ && PointerInside()) {
        SetDown(false);
        ButtonClick();
    }
}

void TspSkinButton::MouseEnter() {
    TspSkinCustomControl::MouseEnter();
    pointerInside_ = true;
    if (HoverChangesLook()) {
        if (down_) {
            if (MorphEnabled()) fader_.SetLevel(1);
            Invalidate();
        } else {
            StartAnimation(true);
            MorphOrRepaint();
        }
    }
    // Sliding back onto a held repeating button starts the repeat again.
    if (down_ && buttonHeld_ && RepeatMode && groupIndex_ == 0) repeatTimer_.Start(*this, kRepeatFirstDelay);
}

void TspSkinButton::MouseLeave() {
    TspSkinCustomControl::MouseLeave();
    const bool keepsDefaultLook = default_ && canFocused_ && defaultActive_ && !Focused();
    if (!keepsDefaultLook) pointerInside_ = false;
    if (HoverChangesLook()) {
        StartAnimation(false);
        MorphOrRepaint();
    }
    if (down_ && groupIndex_ == 0) repeatTimer_.Stop();
}

void TspSkinButton::RepeatTick() {
    if (repeatTimer_.Interval() != RepeatInterval) repeatTimer_.SetInterval(RepeatInterval);
    ButtonClick();
}

void TspSkinButton::KeyDown(platform::Key& key, unsigned /*shift*/) {
    if (!canFocused_) return;
    if (key == platform::Key::Space) {
        SetDown(true);
        if (RepeatMode) ButtonClick();
        key = platform::Key::None;
    } else if (key == platform::Key::Return) {
        ButtonClick();
        key = platform::Key::None;
    }
}

void TspSkinButton::KeyUp(platform::Key& key, unsigned /*shift*/) {
    if (!canFocused_ || key != platform::Key::Space || !down_) return;
    SetDown(false);
    ButtonClick();
    key = platform::Key::None;
}

bool TspSkinButton::HandleAccelerator(char32_t ch) {
    if (!canFocused_ || !CanFocus() || ch == 0 || platform::AcceleratorOf(caption_) != ch) return false;
    SetFocus();
    ButtonClick();
    return true;
}

bool TspSkinButton::HandleDialogKey(platform::Key key, unsigned shift) {
    if (key == platform::Key::Return && defaultActive_ && IsEnabled()) {
        ButtonClick();
        return true;
    }
    if (key == platform::Key::Escape && Cancel && canFocused_ && !(shift & platform::ssShift) && CanFocus()) {
        ButtonClick();
        return true;
    }
    return false;
}

void TspSkinButton::FocusChanged(bool focused) {
    if (focused) {
        if (!canFocused_) return;
        StartAnimation(true);
        MorphOrRepaint();
        return;
    }
    if (RepeatMode) repeatTimer_.Stop();
    if (groupIndex_ == 0) down_ = false;
    if (canFocused_) {
        StartAnimation(false);
        MorphOrRepaint();
    }
}

void TspSkinButton::Notify(const platform::Notification& n) {
    TspSkinCustomControl::Notify(n);
    if (n.message == platform::Message::FocusChanged) FocusMoved(dynamic_cast<platform::Control*>(n.sender));
}

void TspSkinButton::FocusMoved(platform::Control* focused) {
    auto* focusedButton = dynamic_cast<TspSkinButton*>(focused);
    defaultActive_ = focusedButton ? focusedButton == this : default_;
    if (!default_ || !canFocused_ || !focused) return;
    if (focusedButton && focusedButton != this) {
        pointerInside_ = false;
        Invalidate();
    } else if (!focusedButton) {
        pointerInside_ = true;
        if (MorphEnabled()) fader_.SetLevel(1);
        Invalidate();
    }
}

void TspSkinButton::EnabledChanged() {
    if (MorphEnabled()) {
        fader_.Stop();
        fader_.SetLevel(0);
    }
    pointerInside_ = false;
    Invalidate();
}

void TspSkinButton::StartAnimation(bool forward) {
    if (!HasSection() || !EffectsEnabled() || look_.AnimateRect.empty() || look_.FrameCount <= 0) return;
    animForward_ = forward;
    animFrame_ = forward ? 1 : look_.FrameCount;
    if (!animTimer_.Start(*this, look_.AnimateInterval)) animFrame_ = 0;
    Invalidate();
}

void TspSkinButton::StopAnimation() {
    animTimer_.Stop();
    animFrame_ = 0;
}

void TspSkinButton::AnimationTick() {
    animFrame_ += animForward_ ? 1 : -1;
    if (animFrame_ > look_.FrameCount || animFrame_ <= 0) StopAnimation();
    Invalidate();
}

gfx::Rect TspSkinButton::AnimationFrameRect(int frame) const {
    const gfx::Rect& strip = look_.AnimateRect;
    const int count = std::max(1, look_.FrameCount);
    if (strip.width() > Geometry().SkinRect.width()) {
        const int w = strip.width() / count;
        return gfx::Rect::from_size(strip.left + w * (frame - 1), strip.top, w, strip.height());
    }
    const int h = strip.height() / count;
    return gfx::Rect::from_size(strip.left, strip.top + h * (frame - 1), strip.width(), h);
}

void TspSkinButton::ComponentRemoved(platform::Component* removed) {
    if (removed == imageList_) imageList_ = nullptr;
    TspSkinCustomControl::ComponentRemoved(removed);
}

}  // namespace controls
