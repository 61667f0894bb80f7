#include "controls/ranges/skin_up_down.h"

#include "platform/application.h"
#include "platform/form.h"
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

TspSkinUpDown::TspSkinUpDown(platform::Component* owner) : platform::WinControl(owner) {
    repeat_.OnStep = [this] { Step(repeatUp_); };
    platform::Control::SetBounds(0, 0, 25, 50);
    PlaceButtons();
}

TspSkinUpDown::~TspSkinUpDown() = default;

void TspSkinUpDown::SetUseSkinSize(bool use) {
    useSkinSize_ = use;
    SetBounds(BoundsRect());
    Invalidate();
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

void TspSkinUpDown::SetSkinData(skin::TspSkinData* data) {
    if (data == skinData_) return;
    if (skinData_) RemoveFreeNotification(skinData_);
    skinData_ = data;
    if (skinData_) FreeNotification(skinData_);
    if (skinData_ && !skinData_->IsEmpty()) ApplySkinChange();
}

void TspSkinUpDown::ComponentRemoved(platform::Component* removed) {
    if (removed != skinData_) return;
    skinData_ = nullptr;
    section_ = nullptr;
    buttonSection_ = nullptr;
    picture_ = buttonPicture_ = nullptr;
}

void TspSkinUpDown::FetchSkinData() {
    section_ = nullptr;
    buttonSection_ = nullptr;
    picture_ = buttonPicture_ = nullptr;
    if (!skinData_ || skinData_->IsEmpty()) return;
    const auto& controls = skinData_->Controls();
    if (const int index = skinData_->FindControl(skinDataName_); index >= 0)
        section_ = dynamic_cast<const skin::TspDataSkinUpDownControl*>(controls[index].get());
    if (!section_) return;
    picture_ = skinData_->ActivePicture(section_->PictureIndex);
    if (const int index = skinData_->FindControl(kResizeButton); index >= 0)
        buttonSection_ = dynamic_cast<const skin::TspDataSkinButtonControl*>(controls[index].get());
    if (buttonSection_) buttonPicture_ = skinData_->ActivePicture(buttonSection_->PictureIndex);
}

void TspSkinUpDown::PlaceButtons() {
    const int w = Width(), h = Height();
    if (section_ && useSkinSize_) {
        buttons_[kUp].rect = section_->UpButtonRect;
        buttons_[kDown].rect = section_->DownButtonRect;
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

void TspSkinUpDown::ApplySkinChange() {
    FetchSkinData();
    SetBounds(BoundsRect());
    Invalidate();
}

void TspSkinUpDown::SetBounds(int left, int top, int width, int height) {
    FetchSkinData();
    // At the skin's size the section is a fixed picture; otherwise any size goes.
    if (section_ && useSkinSize_) {
        width = section_->SkinRect.width();
        height = section_->SkinRect.height();
    }
    platform::Control::SetBounds(left, top, width, height);
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
        platform::Form* form = ParentForm();
        if (Increment != 0 && buttons_[now].pressed && form) repeat_.Restart(form->App(), kReturnRepeatMs);
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
    platform::Form* form = ParentForm();
    if (Increment != 0 && form) {
        repeatUp_ = at == kUp;
        repeat_.Start(form->App());
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

void TspSkinUpDown::MouseEnter() { hot_ = -1; }

void TspSkinUpDown::MouseLeave() {
    for (Button& b : buttons_) b.hot = false;
    Invalidate();
}

}  // namespace controls
