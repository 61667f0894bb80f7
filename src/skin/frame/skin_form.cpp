#include "skin/frame/skin_form.h"

#include <algorithm>
#include <stdexcept>

#include "platform/application.h"
#include "platform/plain_frame.h"
#include "skin/menu/menu_item.h"
#include "skin/menu/skin_menu.h"
#include "skin/objects/button_objects.h"
#include "skin/objects/object_factory.h"
#include "skin/skin_data.h"
#include "skin/skinned_control.h"

namespace skin {

namespace {

constexpr int kHotTrackingMs = 50;
constexpr int kMorphMs = 25;
constexpr int kAnimationMs = 25;
constexpr int kCompanionCount = 7;

platform::Form& OwnerForm(platform::Component* owner) {
    auto* form = dynamic_cast<platform::Form*>(owner);
    if (!form) throw std::invalid_argument("A skinned frame can only be placed on a window.");
    return *form;
}

std::unique_ptr<platform::Timer> MakeTimer(platform::Form& form, int ms, std::function<void()> tick) {
    auto timer = std::make_unique<platform::Timer>(form.App());
    timer->SetEnabled(false);
    timer->SetInterval(ms);
    timer->OnTimer = [tick = std::move(tick)](platform::Timer&) { tick(); };
    return timer;
}

}  // namespace

TspSkinForm::TspSkinForm(platform::Component* owner)
    : platform::Component(owner),
      form_(OwnerForm(owner)),
      plain_(std::make_unique<platform::PlainFrame>(form_)),
      companions_(kCompanionCount, nullptr),
      hotTimer_(MakeTimer(form_, kHotTrackingMs, [this] { HotTimerTick(); })),
      morphTimer_(MakeTimer(form_, kMorphMs, [this] { MorphTimerTick(); })),
      animationTimer_(MakeTimer(form_, kAnimationMs, [this] { AnimationTimerTick(); })),
      fadeTimer_(MakeTimer(form_, 1, [this] { FadeTimerTick(); })) {
    active_ = form_.IsActive();
    previous_ = form_.SetFrameHook(this);
}

TspSkinForm::~TspSkinForm() {
    objects_.clear();
    if (form_.GetFrameHook() == this) {
        form_.SetFrameHook(previous_);
        form_.SetWindowOutline(std::nullopt);
    }
}

platform::FrameHook& TspSkinForm::Fallback() const { return previous_ ? *previous_ : *plain_; }

bool TspSkinForm::SkinLoaded() const { return skinData_ && !skinData_->IsEmpty() && !changing_; }

bool TspSkinForm::IsSkinned() const {
    return SupportNCArea && skinnable_ && SkinLoaded() && !skinData_->FormInfo().ClientRect.empty();
}

void TspSkinForm::Watch(TspSkinData*& slot, TspSkinData* data) {
    slot = data;
    if (data) FreeNotification(data);
}

void TspSkinForm::SetSkinData(TspSkinData* data) {
    if (data == skinData_) return;
    Watch(skinData_, data);
    if (skinData_) skinnable_ = skinData_->SkinnableForm();
    Rebuild();
}

void TspSkinForm::SetMenusSkinData(TspSkinData* data) { Watch(menusSkinData_, data); }

platform::Component* TspSkinForm::GetCompanion(Companion which) const {
    return companions_[static_cast<std::size_t>(which)];
}

void TspSkinForm::SetCompanion(Companion which, platform::Component* component) {
    platform::Component*& slot = companions_[static_cast<std::size_t>(which)];
    if (slot == component) return;
    slot = component;
    if (component) FreeNotification(component);
}

void TspSkinForm::ComponentRemoved(platform::Component* removed) {
    for (auto& c : companions_)
        if (c == removed) c = nullptr;
    if (removed == menusSkinData_) menusSkinData_ = nullptr;
    if (removed == skinData_) {
        // The objects and the strips point into the skin's pictures.
        skinData_ = nullptr;
        hot_ = pressed_ = -1;
        objects_.clear();
        cache_ = {};
        form_.SetWindowOutline(std::nullopt);
        form_.InvalidateWindow({0, 0, form_.Width(), form_.Height()});
    }
}

void TspSkinForm::SetBorderIcons(TspBorderIcons icons) {
    borderIcons_ = icons;
    UpdateAvailability();
    RepaintFrame();
}

void TspSkinForm::SetHideCaptionButtons(bool hide) {
    hideCaptionButtons_ = hide;
    UpdateAvailability();
    RepaintFrame();
}

void TspSkinForm::SetRolledUp(bool rolledUp) {
    if (rolledUp == rolledUp_) return;
    rolledUp_ = rolledUp;
    if (rolledUp_) {
        normalBounds_ = form_.BoundsRect();
        form_.SetBounds(form_.Left(), form_.Top(), form_.Width(), MinimumSize().height);
    } else {
        form_.SetBounds(form_.Left(), form_.Top(), form_.Width(), normalBounds_.height());
    }
    if (OnChangeRollUpState) OnChangeRollUpState(*this);
    RepaintFrame();
}

void TspSkinForm::RepaintFrame() { form_.InvalidateNonClient(); }

void TspSkinForm::ClearHotAndPressed() {
    hot_ = -1;
    pressed_ = -1;
    for (auto& o : objects_) {
        o->Hot = false;
        o->MorphFactor = 0;
        if (auto* b = dynamic_cast<TspSkinButtonObject*>(o.get())) b->Down = false;
    }
}

void TspSkinForm::CreateObjects() {
    objects_.clear();
    for (const auto& record : skinData_->Objects())
        if (auto object = CreateFrameObject(*this, *record)) objects_.push_back(std::move(object));
    ReloadHints();
}

void TspSkinForm::UpdateAvailability() {
    const auto customVisible = [this](const std::string& name) {
        bool visible = false;
        if (OnActivateCustomObject) OnActivateCustomObject(*this, name, visible);
        return visible;
    };
    SetObjectAvailability(objects_, borderIcons_, hideCaptionButtons_, customVisible);
    if (IsSkinned()) PlaceObjects(objects_, geometry_, skinData_->FormInfo());
}

void TspSkinForm::ReloadHints() {
    if (!UseDefaultObjectHint || !skinData_) return;
    for (auto& o : objects_)
        if (auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get())) {
            const std::string hint = ButtonHint(b->Command, skinData_->ResourceStrData());
            if (!hint.empty()) b->Hint = hint;
        }
}

void TspSkinForm::Rebuild() {
    ClearHotAndPressed();
    ++generation_;
    if (SkinLoaded() && skinnable_) {
        CreateObjects();
        UpdateAvailability();
    } else {
        objects_.clear();
        form_.SetWindowOutline(std::nullopt);
    }
    // The frame may have changed the client area and the minimum size.
    const gfx::Size min = Limits().min;
    int width = std::max(form_.Width(), min.width);
    int height = std::max(form_.Height(), min.height);
    if (rolledUp_) height = min.height;
    form_.SetBounds(form_.Left(), form_.Top(), width, height);
    UpdateGeometry();
    form_.InvalidateWindow({0, 0, form_.Width(), form_.Height()});
    if (OnChangeSkinData) OnChangeSkinData(*this);
    if (!rolledUp_ && IsSkinned() && (ClientWidth > 0 || ClientHeight > 0))
        form_.SetClientSize(ClientWidth > 0 ? ClientWidth : form_.ClientWidth(),
                            ClientHeight > 0 ? ClientHeight : form_.ClientHeight());
}

void TspSkinForm::UpdateGeometry() {
    const gfx::Size size = form_.BoundsRect().size();
    if (!IsSkinned()) {
        form_.SetWindowOutline(std::nullopt);
        return;
    }
    if (!AtLeastMinimum(size)) return;
    geometry_ = FrameGeometry::Compute(skinData_->FormInfo(), skinData_->Picture().size(), size);
    PlaceObjects(objects_, geometry_, skinData_->FormInfo());
    PlaceAreas();
    UpdateOutline();
    if (skinData_->FormInfo().StretchEffect) {
        form_.InvalidateWindow({0, 0, size.width, size.height});
        form_.NotifyControls({platform::Message::BackgroundChanged, this}, true);
    }
    if (OnChangeClientRect) OnChangeClientRect(*this, geometry_.client);
}

void TspSkinForm::BindSkinArea(platform::Control& control, std::string areaName) {
    areas_.push_back({&control, std::move(areaName)});
    PlaceAreas();
}

void TspSkinForm::PlaceAreas() {
    if (!IsSkinned()) return;
    for (const AreaBinding& a : areas_) {
        const int index = skinData_->FindArea(a.name);
        if (index < 0) continue;
        // Controls live in the client area; the area is given in window coordinates.
        const gfx::Rect r = geometry_.MapByZones(skinData_->Areas()[index].AreaRect)
                                .translated(gfx::Point{-geometry_.client.left, -geometry_.client.top});
        a.control->SetBounds(r.left, r.top, r.width(), r.height());
    }
}

void TspSkinForm::WalkControls(platform::WinControl& parent, bool forget) {
    for (const auto& child : parent.Controls()) {
        if (auto* s = dynamic_cast<SkinnedControl*>(child.get()); s && s->SkinData() == skinData_) {
            if (forget)
                s->ForgetSkinSection();
            else
                s->ApplySkinChange();
        }
        if (auto* w = dynamic_cast<platform::WinControl*>(child.get())) WalkControls(*w, forget);
    }
}

void TspSkinForm::SkinChanging() {
    changing_ = true;
    hotTimer_->SetEnabled(false);
    morphTimer_->SetEnabled(false);
    animationTimer_->SetEnabled(false);
    hot_ = pressed_ = -1;
    objects_.clear();
    cache_ = {};
    WalkControls(form_, true);
}

void TspSkinForm::SkinChanged(bool own) {
    changing_ = false;
    if (own) {
        if (skinData_) skinnable_ = skinData_->SkinnableForm();
        Rebuild();
    }
    WalkControls(form_, false);
}

void TspSkinForm::SkinnableChanged() {
    const bool maximized = state_ == TspWindowState::Maximized;
    const bool visible = form_.Visible();
    if (maximized) {
        if (visible) form_.Hide();
        Restore();
    }
    skinnable_ = skinData_->SkinnableForm();
    Rebuild();
    if (maximized) {
        Maximize();
        if (visible) form_.Show();
    }
}

void TspSkinForm::Notify(const platform::Notification& n) {
    const bool own = skinData_ && n.sender == skinData_;
    switch (n.message) {
        case platform::Message::SkinChanging:
            if (own) SkinChanging();
            break;
        case platform::Message::SkinChanged:
            SkinChanged(own);
            break;
        case platform::Message::SkinStringsChanged:
            ReloadHints();
            break;
        case platform::Message::FormSkinnableChanged:
            if (own) SkinnableChanged();
            break;
        default:
            break;
    }
    if (previous_) previous_->Notify(n);
}

}  // namespace skin
