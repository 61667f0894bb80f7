// The skinned frame under the pointer: hit testing, hot tracking and pressing of frame
// objects, and the timers that fade and animate them.
#include "platform/application.h"
#include "skin/frame/object_hint.h"
#include "skin/frame/skin_form.h"
#include "skin/objects/caption_object.h"
#include "skin/skin_data.h"

namespace skin {

namespace {
constexpr gfx::Point kNowhere{-1, -1};
}

int TspSkinForm::ObjectAt(gfx::Point p) const {
    for (std::size_t i = 0; i < objects_.size(); ++i) {
        const auto& o = objects_[i];
        if (o->Enabled && o->Visible && o->RollUp == rolledUp_ && o->ObjectRect.contains(p)) return static_cast<int>(i);
    }
    return -1;
}

bool TspSkinForm::OverCaptionObject(gfx::Point p) const {
    for (const auto& o : objects_)
        if (dynamic_cast<const TspSkinCaptionObject*>(o.get()) && o->Visible && o->ObjectRect.contains(p)) return true;
    return false;
}

platform::HitTest TspSkinForm::SizingEdge(gfx::Point p) const {
    using platform::HitTest;
    const gfx::Rect window{0, 0, geometry_.window.width, geometry_.window.height};
    const int d = skinData_->FormInfo().BorderWidth;
    const gfx::Point around[] = {{p.x - d, p.y}, {p.x, p.y - d}, {p.x + d, p.y}, {p.x, p.y + d}};
    const auto& outline = form_.WindowOutline();
    const bool masked = !skinData_->Mask().empty();
    bool edge = false;
    for (gfx::Point q : around) {
        const bool inside = masked && outline ? outline->Contains(q) : window.contains(q);
        edge = edge || !inside;
    }
    if (masked && geometry_.maskArea.contains(p)) edge = false;
    if (!edge) return HitTest::Nowhere;
    const FrameGeometry& g = geometry_;
    if (p.x <= g.hitLeftTop.x && p.y <= g.hitLeftTop.y) return HitTest::TopLeft;
    if (p.x >= g.hitRightTop.x && p.y <= g.hitRightTop.y) return HitTest::TopRight;
    if (p.x <= g.hitLeftBottom.x && p.y >= g.hitLeftBottom.y) return HitTest::BottomLeft;
    if (p.x >= g.hitRightBottom.x && p.y >= g.hitRightBottom.y) return HitTest::BottomRight;
    if (gfx::Rect{g.hitLeftTop.x, 0, g.hitRightTop.x, g.client.top}.contains(p)) return HitTest::Top;
    if (gfx::Rect{g.hitLeftBottom.x, g.client.bottom, g.hitRightBottom.x, window.bottom}.contains(p))
        return HitTest::Bottom;
    if (gfx::Rect{0, g.hitLeftTop.y, g.client.left, g.hitLeftBottom.y}.contains(p)) return HitTest::Left;
    if (gfx::Rect{g.client.right, g.hitRightTop.y, window.right, g.hitRightBottom.y}.contains(p)) return HitTest::Right;
    return HitTest::Nowhere;
}

platform::HitTest TspSkinForm::HitTestAt(gfx::Point p) {
    using platform::HitTest;
    const gfx::Size size = form_.BoundsRect().size();
    if (!IsSkinned() || !AtLeastMinimum(size)) return Fallback().HitTestAt(p);
    if (geometry_.window != size) UpdateGeometry();
    const bool caption = OverCaptionObject(p);
    HitTest code = caption ? HitTest::Caption : HitTest::Object;
    if (!rolledUp_ && state_ != TspWindowState::Minimized) {
        const bool client = geometry_.client.contains(p);
        if (hot_ >= 0 && !caption && !client && !inSizeMove_) return HitTest::Object;
        if (state_ != TspWindowState::Maximized && Sizeable) {
            const HitTest edge = SizingEdge(p);
            if (edge != HitTest::Nowhere) return edge;
        }
        if (client) return HitTest::Client;
    }
    if (code == HitTest::Object && !hotTimer_->Enabled()) TrackHot(p);
    return code;
}

void TspSkinForm::TrackHot(gfx::Point p) {
    int now = -1;
    if (active_ && !inSizeMove_) {
        if (pressed_ >= 0)
            now = objects_[pressed_]->ObjectRect.contains(p) ? pressed_ : -1;
        else
            now = ObjectAt(p);
    }
    if (now == hot_) return;
    const int old = hot_;
    hot_ = now;
    if (old >= 0 && old < static_cast<int>(objects_.size())) {
        TspActiveSkinObject& o = *objects_[old];
        if (o.Enabled && o.Visible) {
            if (auto* hints = HintView()) hints->HideObjectHint();
            o.MouseLeave();
            if (OnMouseLeaveEvent) OnMouseLeaveEvent(*this, o.IDName);
        } else {
            o.Hot = false;
        }
    }
    if (hot_ >= 0) {
        TspActiveSkinObject& o = *objects_[hot_];
        o.MouseEnter();
        if (OnMouseEnterEvent) OnMouseEnterEvent(*this, o.IDName);
        if (auto* hints = HintView(); hints && !o.Hint.empty())
            hints->ShowObjectHint(o.Hint, ScreenPoint({o.ObjectRect.left, o.ObjectRect.bottom}));
        hotTimer_->SetEnabled(true);
    }
}

void TspSkinForm::ClearHot() { TrackHot(kNowhere); }

ObjectHintView* TspSkinForm::HintView() const {
    if (!ShowObjectHint) return nullptr;
    return dynamic_cast<ObjectHintView*>(GetCompanion(Companion::SkinHint));
}

void TspSkinForm::NonClientMouseDown(gfx::Point p, platform::MouseButton button, unsigned shift) {
    if (!IsSkinned()) return Fallback().NonClientMouseDown(p, button, shift);
    TrackHot(p);
    if (hot_ < 0 || button == platform::MouseButton::Middle) return;
    TspActiveSkinObject& o = *objects_[hot_];
    if (button == platform::MouseButton::Left && (shift & platform::ssDouble)) {
        o.DblClick();
        return;
    }
    pressed_ = hot_;
    o.MouseDown(p.x, p.y, button);
}

void TspSkinForm::NonClientMouseUp(gfx::Point p, platform::MouseButton button, unsigned shift) {
    if (!IsSkinned()) return Fallback().NonClientMouseUp(p, button, shift);
    if (pressed_ >= 0) {
        TspActiveSkinObject& o = *objects_[pressed_];
        o.MouseUp(p.x, p.y, button);
        pressed_ = -1;
    }
    TrackHot(p);
    if (button == platform::MouseButton::Right && OverCaptionObject(p)) OpenSystemMenu(ScreenPoint(p));
}

void TspSkinForm::NonClientMouseMove(gfx::Point p, unsigned shift) {
    if (!IsSkinned()) return Fallback().NonClientMouseMove(p, shift);
    TrackHot(p);
    const int target = pressed_ >= 0 ? pressed_ : hot_;
    if (target >= 0) objects_[target]->MouseMove(p.x, p.y);
}

void TspSkinForm::NonClientLeave() {
    if (!IsSkinned()) return Fallback().NonClientLeave();
    // The window's own word that the pointer left outranks the polled position, which some
    // window systems keep stale once the pointer is over another client: polling on would
    // find the object hot again and wake the program twenty times a second for nothing.
    TrackHot(kNowhere);
    hotTimer_->SetEnabled(false);
}

void TspSkinForm::ObjectMouseDown(TspActiveSkinObject& o, int x, int y, platform::MouseButton button) {
    if (OnMouseDownEvent) OnMouseDownEvent(*this, o.IDName, x, y, o.ObjectRect, button);
}

void TspSkinForm::ObjectMouseUp(TspActiveSkinObject& o, int x, int y, platform::MouseButton button) {
    if (OnMouseUpEvent) OnMouseUpEvent(*this, o.IDName, x, y, o.ObjectRect, button);
}

void TspSkinForm::ObjectMouseMove(TspActiveSkinObject& o, int x, int y) {
    if (OnMouseMoveEvent) OnMouseMoveEvent(*this, o.IDName, x, y, o.ObjectRect);
}

void TspSkinForm::HotTimerTick() {
    const gfx::Point pointer = form_.App().GetBackend().PointerPosition();
    const gfx::Rect bounds = form_.BoundsRect();
    TrackHot(bounds.contains(pointer) ? pointer - bounds.top_left() : kNowhere);
    if (hot_ < 0) hotTimer_->SetEnabled(false);
}

void TspSkinForm::RedrawObject(const TspActiveSkinObject& object) { form_.InvalidateWindow(object.ObjectRect); }

void TspSkinForm::StartMorphTimer() { morphTimer_->SetEnabled(true); }

void TspSkinForm::MorphTimerTick() {
    bool left = false;
    for (auto& o : objects_) left = o->StepMorph() || left;
    if (!left) morphTimer_->SetEnabled(false);
}

void TspSkinForm::AnimationTimerTick() {
    bool left = false;
    for (auto& o : objects_)
        if (auto* c = dynamic_cast<TspSkinCaptionObject*>(o.get())) left = c->StepAnimation() || left;
    if (!left) animationTimer_->SetEnabled(false);
}

}  // namespace skin
