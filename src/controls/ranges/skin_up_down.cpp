#include "controls/ranges/skin_up_down.h"

#include "skin/records/data_skin_control_buttons.h"
#include "skin/skin_data.h"

namespace controls {

namespace {
// The repeat period when the pointer comes back onto the held button.
constexpr int kReturnRepeatMs = 50;
// The section a freely sized up-down composes its buttons from.
constexpr std::string_view kResizeButton = "resizebutton";

// A rectangle with its right and bottom edges counted as inside.
bool ContainsWithEdges(const gfx::Rect& r, gfx::Point p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}
}  // namespace

TspSkinUpDown::TspSkinUpDown(platform::Component* owner) : TspSkinCustomControl(owner) {
    SetSkinDataName("hupdown");
    repeat_.OnStep = [this] { Step(repeatUp_); };
    platform::Control::SetBounds(0, 0, 25, 50);
    PlaceButtons();
}

TspSkinUpDown::~TspSkinUpDown() = default;

void TspSkinUpDown::SetUseSkinSize(bool use) {
    useSkinSize_ = use;
    ApplySkinChange();
}

void TspSkinUpDown::SetOrientation(TUDOrientation orientation) {
    orientation_ = orientation;
    PlaceButtons();
    Invalidate();
}

void TspSkinUpDown::SetPosition(int value) {
    if (!position_.SetPosition(value)) return;
    if (OnChange) OnChange(*this);
}

void TspSkinUpDown::FetchSkinData() {
    TspSkinCustomControl::FetchSkinData();
    buttonSection_ = nullptr;
    buttonPicture_ = nullptr;
    if (!HasSection()) return;
    if (const auto* s = dynamic_cast<const skin::TspDataSkinUpDownControl*>(SectionRecord())) {
        const auto orActive = [](const gfx::Rect& down, const gfx::Rect& active) {
            return down.empty() ? active : down;
        };
        section_ = {
            s->UpButtonRect,   s->ActiveUpButtonRect,   orActive(s->DownUpButtonRect, s->ActiveUpButtonRect),
            s->DownButtonRect, s->ActiveDownButtonRect, orActive(s->DownDownButtonRect, s->ActiveDownButtonRect)};
    }
    skin::TspSkinData* data = SkinData();
    if (const int index = data->FindControl(kResizeButton); index >= 0)
        buttonSection_ = dynamic_cast<const skin::TspDataSkinButtonControl*>(data->Controls()[index].get());
    if (buttonSection_) buttonPicture_ = data->ActivePicture(buttonSection_->PictureIndex);
}

void TspSkinUpDown::ForgetSkinSection() {
    TspSkinCustomControl::ForgetSkinSection();
    buttonSection_ = nullptr;
    buttonPicture_ = nullptr;
}

void TspSkinUpDown::FitSkinSize(gfx::Size& size) {
    if (useSkinSize_) TspSkinCustomControl::FitSkinSize(size);
}

void TspSkinUpDown::UpdateSkinRegion() {
    if (useSkinSize_)
        TspSkinCustomControl::UpdateSkinRegion();
    else
        SetWindowRegion(std::nullopt);
}

void TspSkinUpDown::PlaceButtons() {
    const int w = Width(), h = Height();
    if (HasSection() && useSkinSize_) {
        buttons_[kUp].rect = section_.upButtonRect;
        buttons_[kDown].rect = section_.downButtonRect;
    } else if (orientation_ == TUDOrientation::udVertical) {
        buttons_[kUp].rect = {0, 0, w, h / 2};
        buttons_[kDown].rect = {0, h / 2, w, h};
    } else {
        buttons_[kDown].rect = {0, 0, w / 2, h};
        buttons_[kUp].rect = {w / 2, 0, w, h};
    }
}

gfx::Rect TspSkinUpDown::ButtonRect(int button) {
    FetchSkinData();
    PlaceButtons();
    return buttons_[button].rect;
}

void TspSkinUpDown::SetBounds(int left, int top, int width, int height) {
    TspSkinCustomControl::SetBounds(left, top, width, height);
    PlaceButtons();
}

int TspSkinUpDown::ButtonAt(gfx::Point p) const {
    int found = -1;
    for (int i : {kUp, kDown})
        if (ContainsWithEdges(buttons_[i].rect, p)) {
            found = i;
            break;
        }
    // While one button is held, the other does not light up.
    if (captured_ >= 0 && found >= 0 && found != captured_) return -1;
    return found;
}

void TspSkinUpDown::Step(bool up) {
    if (position_.Step(Increment, up) && OnChange) OnChange(*this);
}

void TspSkinUpDown::MouseMove(unsigned /*shift*/, gfx::Point p) {
    const int now = ButtonAt(p);
    if (now == hot_) return;
    if (hot_ >= 0) {
        buttons_[hot_].hot = false;
        if (Increment != 0 && buttons_[hot_].pressed) repeat_.Stop();
    }
    if (now >= 0) {
        buttons_[now].hot = true;
        buttons_[1 - now].hot = false;
        if (Increment != 0 && buttons_[now].pressed) repeat_.Restart(*this, kReturnRepeatMs);
    }
    hot_ = now;
    Invalidate();
}

void TspSkinUpDown::MouseDown(platform::MouseButton /*button*/, unsigned /*shift*/, gfx::Point p) {
    FetchSkinData();
    PlaceButtons();
    const int at = ButtonAt(p);
    if (at < 0) return;
    captured_ = hot_ = at;
    buttons_[at].hot = buttons_[at].pressed = true;
    buttons_[1 - at].hot = false;
    Invalidate();
    if (Increment != 0) {
        repeatUp_ = at == kUp;
        repeat_.Start(*this);
    }
}

void TspSkinUpDown::MouseUp(platform::MouseButton /*button*/, unsigned /*shift*/, gfx::Point p) {
    const int clicked = captured_;
    if (clicked < 0) return;
    captured_ = -1;
    if (Increment != 0) repeat_.Stop();
    buttons_[clicked].pressed = false;
    if (!ContainsWithEdges(buttons_[clicked].rect, p)) buttons_[clicked].hot = false;
    Invalidate();
    // The click belongs to the button pressed, wherever the pointer is released.
    if (Increment != 0) Step(clicked == kUp);
    if (clicked == kUp) {
        if (OnUpButtonClick) OnUpButtonClick(*this);
    } else if (OnDownButtonClick) {
        OnDownButtonClick(*this);
    }
}

void TspSkinUpDown::MouseEnter() {
    hot_ = -1;
    TspSkinCustomControl::MouseEnter();
}

void TspSkinUpDown::MouseLeave() {
    for (Button& b : buttons_) b.hot = false;
    Invalidate();
    TspSkinCustomControl::MouseLeave();
}

}  // namespace controls
