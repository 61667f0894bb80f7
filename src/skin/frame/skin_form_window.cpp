// The skinned frame's window behaviour: size limits, activation, moving, first showing and
// translucency, and the commands that minimise, maximise, restore and close.
#include <algorithm>
#include <cstdlib>

#include "platform/application.h"
#include "skin/frame/skin_form.h"
#include "skin/objects/caption_object.h"
#include "skin/skin_data.h"

namespace skin {

namespace {

constexpr int kFadeStep = 10;
constexpr int kFadeStepMs = 6;
constexpr int kPlainBorders = 6;
constexpr int kPlainCaption = 19;
constexpr int kPlainToolCaption = 15;
constexpr int kPlainMinWidth = 130;

}  // namespace

gfx::Size TspSkinForm::MinimumSize() const {
    const bool minimized = state_ == TspWindowState::Minimized;
    const bool heightRule = !rolledUp_ && !minimized;
    if (SupportNCArea && skinnable_ && SkinLoaded()) {
        const gfx::Size picture = skinData_->Picture().size();
        const TspDataSkinFormInfo& info = skinData_->FormInfo();
        int width = info.FormMinWidth > 0 ? info.FormMinWidth : picture.width;
        if (picture.width < MinWidth && !minimized) width = MinWidth;
        int height = picture.height - info.ClientRect.height();
        if (height < MinHeight && heightRule) height = MinHeight;
        return {width, height};
    }
    const int caption = form_.BorderStyle == platform::BorderStyle::ToolWindow ? kPlainToolCaption : kPlainCaption;
    int height = caption + kPlainBorders;
    if (height < MinHeight && heightRule) height = MinHeight;
    return {MinWidth > 0 ? MinWidth : kPlainMinWidth, height};
}

bool TspSkinForm::AtLeastMinimum(gfx::Size size) const {
    const gfx::Size min = MinimumSize();
    return size.width >= min.width && size.height >= min.height;
}

gfx::Rect TspSkinForm::MaximizedBounds() const {
    platform::Backend& backend = form_.App().GetBackend();
    return MaximizeOnFullScreen ? backend.ScreenRect() : backend.WorkArea();
}

platform::SizeLimits TspSkinForm::Limits() const {
    if (!SupportNCArea) return Fallback().Limits();
    // The work area is the window system's to tell, and it has the window from its first
    // showing (which applies the limits again); before that only the properties cap the
    // size, so that windows are built while the window system is still starting.
    gfx::Size max = form_.ShownOnce() ? MaximizedBounds().size() : gfx::Size{};
    const auto capped = [](int current, int cap) { return current > 0 ? std::min(current, cap) : cap; };
    if (MaxWidth > 0) max.width = capped(max.width, MaxWidth);
    if (MaxHeight > 0) max.height = capped(max.height, MaxHeight);
    return {MinimumSize(), max};
}

void TspSkinForm::Resized(gfx::Size window) {
    if (!IsSkinned()) {
        Fallback().Resized(window);
        return;
    }
    if (AtLeastMinimum(window)) UpdateGeometry();
}

void TspSkinForm::ActivationChanged(bool active) {
    active_ = active;
    ClearHot();
    hotTimer_->SetEnabled(false);
    for (const auto& o : objects_)
        if (auto* c = dynamic_cast<TspSkinCaptionObject*>(o.get()); c && c->Animates())
            animationTimer_->SetEnabled(true);
    if (!IsSkinned()) Fallback().ActivationChanged(active);
    RepaintFrame();
    if (active && OnActivate) OnActivate(*this);
    if (!active && OnDeActivate) OnDeActivate(*this);
}

void TspSkinForm::CaptionChanged() {
    if (!IsSkinned()) Fallback().CaptionChanged();
    RepaintFrame();
}

void TspSkinForm::MoveSizeStart(platform::HitTest code) {
    inSizeMove_ = true;
    hotTimer_->SetEnabled(false);
    ClearHotAndPressed();
    if (!IsSkinned()) Fallback().MoveSizeStart(code);
}

void TspSkinForm::MoveSizeEnd() {
    inSizeMove_ = false;
    if (!IsSkinned()) Fallback().MoveSizeEnd();
    RepaintFrame();
}

void TspSkinForm::Moving(gfx::Rect& proposed) {
    if (state_ == TspWindowState::Maximized) {
        proposed = form_.BoundsRect();
        return;
    }
    if (!Magnetic) return;
    const gfx::Rect area = form_.App().WorkArea();
    const auto near = [this](int a, int b) { return std::abs(a - b) < MagneticSize; };
    if (near(proposed.left, area.left))
        proposed = proposed.translated(area.left - proposed.left, 0);
    else if (near(proposed.right, area.right))
        proposed = proposed.translated(area.right - proposed.right, 0);
    if (near(proposed.top, area.top))
        proposed = proposed.translated(0, area.top - proposed.top);
    else if (near(proposed.bottom, area.bottom))
        proposed = proposed.translated(0, area.bottom - proposed.bottom);
}

void TspSkinForm::Showing(bool first) {
    if (first && state_ == TspWindowState::Normal && PositionInMonitor != TspPositionInMonitor::sppDefault) {
        platform::Backend& backend = form_.App().GetBackend();
        const gfx::Rect r =
            PositionInMonitor == TspPositionInMonitor::sppDesktopCenter ? backend.WorkArea() : backend.ScreenRect();
        form_.SetBounds(r.left + r.width() / 2 - form_.Width() / 2, r.top + r.height() / 2 - form_.Height() / 2,
                        form_.Width(), form_.Height());
    }
    if (AlphaBlend || AlphaBlendAnimation) {
        form_.SetOpacity(0);
        fadeTimer_->SetInterval(1);
        fadeTimer_->SetEnabled(true);
    }
}

void TspSkinForm::FadeTimerTick() {
    const int target = AlphaBlend || !AlphaBlendAnimation ? AlphaBlendValue : 255;
    int next = target;
    if (AlphaBlendAnimation) {
        next = std::min(target, form_.Opacity() + kFadeStep);
        fadeTimer_->SetInterval(kFadeStepMs);
    }
    form_.SetOpacity(static_cast<std::uint8_t>(next));
    if (next == target) fadeTimer_->SetEnabled(false);
}

bool TspSkinForm::NonClientDoubleClick(gfx::Point window, platform::HitTest code) {
    if (!IsSkinned()) return Fallback().NonClientDoubleClick(window, code);
    if (code != platform::HitTest::Caption) return false;
    // A caption bar always restores: it has no other way back when its buttons are hidden.
    if (state_ == TspWindowState::Minimized)
        Restore();
    else if (Sizeable && state_ == TspWindowState::Normal && !rolledUp_ && (borderIcons_ & biMaximize))
        Maximize();
    else if (Sizeable && state_ == TspWindowState::Maximized)
        Restore();
    else if (borderIcons_ & biRollUp)
        SetRolledUp(!rolledUp_);
    return true;
}

gfx::Point TspSkinForm::ScreenPoint(gfx::Point window) const { return window + form_.BoundsRect().top_left(); }

gfx::Point TspSkinForm::MinimizedSlot() const {
    const gfx::Rect area = form_.App().WorkArea();
    const gfx::Size size = MinimumSize();
    const auto taken = [&](gfx::Point slot) {
        for (platform::Form* f : form_.App().Forms()) {
            if (f == &form_ || f == form_.App().MainForm() || !f->Visible()) continue;
            auto* other = dynamic_cast<TspSkinForm*>(f->GetFrameHook());
            if (other && other->WindowState() == TspWindowState::Minimized && f->BoundsRect().top_left() == slot)
                return true;
        }
        return false;
    };
    const gfx::Point first{area.left, area.bottom - size.height};
    gfx::Point slot = first;
    while (slot.y >= area.top && taken(slot)) {
        slot.x += size.width;
        if (slot.x + size.width > area.right) {
            slot.x = area.left;
            slot.y -= size.height;
        }
    }
    return slot.y >= area.top ? slot : first;
}

void TspSkinForm::Minimize() {
    if (&form_ == form_.App().MainForm()) {
        form_.App().Minimize();
        if (OnMinimize) OnMinimize(*this);
        return;
    }
    if (state_ == TspWindowState::Minimized) return;
    if (state_ == TspWindowState::Normal) normalBounds_ = form_.BoundsRect();
    ClearHot();
    state_ = TspWindowState::Minimized;
    const gfx::Point slot = MinimizedSlot();
    const gfx::Size size = MinimumSize();
    form_.SetBounds(slot.x, slot.y, size.width, size.height);
    RepaintFrame();
    if (OnMinimize) OnMinimize(*this);
}

void TspSkinForm::Maximize() {
    if (state_ == TspWindowState::Maximized) return;
    if (state_ == TspWindowState::Normal) normalBounds_ = form_.BoundsRect();
    ClearHot();
    state_ = TspWindowState::Maximized;
    form_.SetBounds(MaximizedBounds());
    RepaintFrame();
    if (OnMaximize) OnMaximize(*this);
}

void TspSkinForm::Restore() {
    if (state_ == TspWindowState::Normal) return;
    ClearHot();
    state_ = TspWindowState::Normal;
    form_.SetBounds(normalBounds_);
    RepaintFrame();
    if (OnRestore) OnRestore(*this);
}

void TspSkinForm::ExecuteCommand(TspCommand command) {
    switch (command) {
        case TspCommand::Close:
            form_.Close();
            return;
        case TspCommand::Maximize:
            if (state_ == TspWindowState::Maximized)
                Restore();
            else
                Maximize();
            return;
        case TspCommand::Minimize:
            if (AlwaysMinimizeToTray)
                ExecuteCommand(TspCommand::MinimizeToTray);
            else if (state_ == TspWindowState::Minimized)
                Restore();
            else
                Minimize();
            return;
        case TspCommand::RollUp:
            SetRolledUp(!rolledUp_);
            return;
        case TspCommand::MinimizeToTray:
            // Without a tray icon to bring it back, a hidden window would be lost.
            if (!GetCompanion(Companion::TrayIcon)) {
                Minimize();
                return;
            }
            form_.Hide();
            if (OnMinimizeToTray) OnMinimizeToTray(*this);
            return;
        case TspCommand::SysMenu:
            OpenSystemMenu(ScreenPoint({geometry_.caption.left, geometry_.caption.bottom}));
            return;
        case TspCommand::Default:
            return;
    }
}

}  // namespace skin
