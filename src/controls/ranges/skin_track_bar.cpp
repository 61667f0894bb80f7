#include "controls/ranges/skin_track_bar.h"

#include <algorithm>
#include <climits>

#include "skin/records/data_skin_control_ranges.h"

namespace controls {

TspSkinTrackBar::TspSkinTrackBar(platform::Component* owner) : TspSkinCustomControl(owner) {
    SetSkinDataName("htrackbar");
    platform::Control::SetBounds(0, 0, 100, 20);
}

TspSkinTrackBar::~TspSkinTrackBar() = default;

void TspSkinTrackBar::SetCanFocused(bool on) {
    canFocused_ = on;
    TabStop = on;
}

void TspSkinTrackBar::SetMinValue(int value) {
    values_.SetMin(value);
    Invalidate();
}

void TspSkinTrackBar::SetMaxValue(int value) {
    values_.SetMax(value);
    Invalidate();
}

void TspSkinTrackBar::SetValue(int value) {
    if (!values_.SetValue(value)) return;
    Invalidate();
    if (OnChange) OnChange(*this);
}

void TspSkinTrackBar::SetVertical(bool vertical) {
    vertical_ = vertical;
    Invalidate();
}

void TspSkinTrackBar::FetchSkinData() {
    TspSkinCustomControl::FetchSkinData();
    // A section of a plainer kind leaves the bar's own values as they were.
    const auto* s = dynamic_cast<const skin::TspDataSkinTrackBarControl*>(SectionRecord());
    if (!s) return;
    section_ = {s->ActiveSkinRect,    s->TrackArea,
                s->ButtonRect,        s->ActiveButtonRect.empty() ? s->ButtonRect : s->ActiveButtonRect,
                s->ButtonTransparent, s->ButtonTransparentColor};
    // A skinned bar always has its section's orientation.
    vertical_ = s->Vertical;
}

void TspSkinTrackBar::ForgetSkinSection() {
    TspSkinCustomControl::ForgetSkinSection();
    resizedTrack_ = {};
}

void TspSkinTrackBar::FitSkinSize(gfx::Size& size) {
    TspSkinCustomControl::FitSkinSize(size);
    if (!HasSection()) return;
    resizedTrack_ = section_.trackArea;
    if (ResizeMode() == skin::ResizeMode::Fixed || ResizeMode() == skin::ResizeMode::None) return;
    if (vertical_)
        resizedTrack_.bottom += size.height - Geometry().SkinRect.height();
    else
        resizedTrack_.right += size.width - Geometry().SkinRect.width();
}

gfx::Rect TspSkinTrackBar::TrackArea() {
    FetchSkinData();
    if (!HasSection()) return {2, 2, Width() - 2, Height() - 2};
    gfx::Size size{Width(), Height()};
    FitSkinSize(size);
    return resizedTrack_;
}

gfx::Size TspSkinTrackBar::ThumbSize() const {
    if (HasSection()) return section_.buttonRect.size();
    if (vertical_) return {Width() - 4, (Width() - 4) / 2};
    return {(Height() - 4) / 2, Height() - 4};
}

ThumbPlacement TspSkinTrackBar::ThumbRect() {
    const gfx::Rect area = TrackArea();
    return PlaceThumb(area, ThumbSize(), vertical_, Value(), MinValue(), MaxValue());
}

int TspSkinTrackBar::ValueFromOffset(int offset) {
    const ThumbPlacement p = ThumbRect();
    return controls::ValueFromOffset(offset, p.start, p.end, MinValue(), MaxValue());
}

void TspSkinTrackBar::FocusChanged(bool /*focused*/) { Invalidate(); }

void TspSkinTrackBar::MouseDown(platform::MouseButton button, unsigned /*shift*/, gfx::Point p) {
    if (canFocused_ && button == platform::MouseButton::Left && !Focused()) {
        SetFocus();
        if (!Focused()) return;
    }
    if (!MouseSupport) return;
    const ThumbPlacement placed = ThumbRect();
    // The thumb's right and bottom edges count as on it.
    const gfx::Rect hit{placed.thumb.left, placed.thumb.top, placed.thumb.right + 1, placed.thumb.bottom + 1};
    if (!hit.contains(p)) return;
    dragging_ = true;
    dragFrom_ = vertical_ ? p.y : p.x;
    dragOffset_ = placed.offset;
    Invalidate();
    if (OnStartDragButton) OnStartDragButton(*this);
}

void TspSkinTrackBar::MouseMove(unsigned /*shift*/, gfx::Point p) {
    if (!MouseSupport || !dragging_) return;
    const int offset = vertical_ ? dragOffset_ + (dragFrom_ - p.y) : dragOffset_ + (p.x - dragFrom_);
    SetValue(ValueFromOffset(offset));
}

void TspSkinTrackBar::MouseUp(platform::MouseButton /*button*/, unsigned /*shift*/, gfx::Point p) {
    if (!MouseSupport) return;
    if (dragging_) {
        dragging_ = false;
        Invalidate();
        if (OnLastChange) OnLastChange(*this);
        return;
    }
    if (!JumpWhenClick) return;
    const gfx::Rect area = TrackArea();
    const gfx::Size thumb = ThumbSize();
    const int base = HasSection() ? (vertical_ ? area.top : area.left) : 2;
    const int offset = vertical_ ? Height() - p.y - thumb.height / 2 - base : p.x - thumb.width / 2 - base;
    SetValue(ValueFromOffset(offset));
}

void TspSkinTrackBar::Step(int delta) {
    // A step past the integer range stays at its end.
    const long long next = static_cast<long long>(Value()) + delta;
    SetValue(static_cast<int>(std::clamp<long long>(next, INT_MIN, INT_MAX)));
    if (OnLastChange) OnLastChange(*this);
}

bool TspSkinTrackBar::MouseWheel(unsigned /*shift*/, int delta, gfx::Point /*p*/) {
    if (!canFocused_ || !Focused()) return false;
    // The thumb moves up or left when the wheel turns away from the user.
    if (vertical_)
        Step(delta > 0 ? 1 : -1);
    else
        Step(delta > 0 ? -1 : 1);
    return true;
}

bool TspSkinTrackBar::WantsKey(platform::Key key) const {
    using platform::Key;
    return canFocused_ && (key == Key::Left || key == Key::Right || key == Key::Up || key == Key::Down);
}

void TspSkinTrackBar::KeyDown(platform::Key& key, unsigned /*shift*/) {
    using platform::Key;
    if (!canFocused_) return;
    if (key == Key::Left || key == Key::Down)
        Step(-1);
    else if (key == Key::Up || key == Key::Right)
        Step(1);
    else
        return;
    key = Key::None;
}

}  // namespace controls
