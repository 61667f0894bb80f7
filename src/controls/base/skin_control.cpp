#include "controls/base/skin_control.h"

#include <type_traits>

#include "gfx/colour.h"
#include "gfx/effects.h"
#include "skin/records/data_skin_control.h"
#include "skin/skin_data.h"

namespace controls {

template <class Base>
SkinControlT<Base>::SkinControlT(platform::Component* owner) : Base(owner) {}

template <class Base>
SkinControlT<Base>::~SkinControlT() = default;

template <class Base>
void SkinControlT<Base>::SetHintImageList(platform::ImageList* list) {
    if (hintImageList_ == list) return;
    if (hintImageList_) this->RemoveFreeNotification(hintImageList_);
    hintImageList_ = list;
    if (list) this->FreeNotification(list);
}

template <class Base>
void SkinControlT<Base>::SetSkinData(skin::TspSkinData* data) {
    if (skinData_ != data) {
        if (skinData_) this->RemoveFreeNotification(skinData_);
        skinData_ = data;
        if (data) this->FreeNotification(data);
    }
    if (data && !data->IsEmpty()) ApplySkinChange();
}

template <class Base>
void SkinControlT<Base>::SetSkinDataName(std::string name) {
    skinDataName_ = std::move(name);
}

template <class Base>
void SkinControlT<Base>::SetAlphaBlend(bool value) {
    alphaBlend_ = value;
    this->Invalidate();
}

template <class Base>
void SkinControlT<Base>::SetAlphaBlendValue(std::uint8_t value) {
    alphaBlendValue_ = value;
    this->Invalidate();
}

template <class Base>
void SkinControlT<Base>::FetchSkinData() {
    sectionIndex_ = (skinData_ && !skinData_->IsEmpty()) ? skinData_->FindControl(skinDataName_) : -1;
}

template <class Base>
const skin::TspDataSkinControl* SkinControlT<Base>::SectionRecord() const {
    if (sectionIndex_ < 0 || !skinData_) return nullptr;
    const auto& list = skinData_->Controls();
    if (static_cast<std::size_t>(sectionIndex_) >= list.size()) return nullptr;
    return list[static_cast<std::size_t>(sectionIndex_)].get();
}

template <class Base>
void SkinControlT<Base>::ApplySkinCursor(int cursorIndex) {
    if (UseSkinCursor) this->ControlCursor = SkinCursor(cursorIndex);
}

template <class Base>
void SkinControlT<Base>::ApplySkinChange() {
    FetchSkinData();
    if (const auto* record = SectionRecord()) {
        ApplySkinCursor(record->CursorIndex);
    } else {
        ApplySkinCursor(-1);
    }
    this->Invalidate();
}

template <class Base>
void SkinControlT<Base>::ForgetSkinSection() {
    sectionIndex_ = -1;
}

template <class Base>
void SkinControlT<Base>::BackgroundChanged() {
    if (!alphaBlend_) return;
    this->Invalidate();
    if constexpr (std::is_base_of_v<platform::WinControl, Base>) {
        this->NotifyControls({platform::Message::BackgroundChanged, this}, false);
    }
}

template <class Base>
void SkinControlT<Base>::SetBounds(int left, int top, int width, int height) {
    const bool moved = left != this->Left() || top != this->Top();
    Base::SetBounds(left, top, width, height);
    if (moved && alphaBlend_) this->Invalidate();
}

template <class Base>
gfx::Bitmap& SkinControlT<Base>::OffscreenImage() {
    if (image_.size() != gfx::Size{this->Width(), this->Height()}) image_.Reset(this->Width(), this->Height());
    return image_;
}

template <class Base>
void SkinControlT<Base>::Paint(gfx::Painter& painter) {
    if (this->Width() <= 0 || this->Height() <= 0) return;
    FetchSkinData();
    gfx::Bitmap& image = OffscreenImage();
    if (HasSection()) {
        RenderSkinImage(image);
    } else if (DrawDefault) {
        RenderDefaultImage(image);
    } else {
        image.Reset(this->Width(), this->Height());
    }
    PresentImage(painter, image);
}

template <class Base>
void SkinControlT<Base>::PresentImage(gfx::Painter& painter, gfx::Bitmap& image) {
    if (BlendsWithBackground()) {
        platform::CaptureParentImage(*this, background_);
        gfx::BlendImages(image, background_, 1.0 - alphaBlendValue_ / 255.0);
    }
    painter.Copy(image, image.rect(), {0, 0});
}

template <class Base>
void SkinControlT<Base>::RenderDefaultImage(gfx::Bitmap& image) {
    image.Fill(gfx::ColorToPixel(gfx::clBtnFace));
}

template <class Base>
void SkinControlT<Base>::RenderSkinImage(gfx::Bitmap& /*image*/) {}

template <class Base>
void SkinControlT<Base>::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(*this);
}

template <class Base>
void SkinControlT<Base>::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(*this);
}

template <class Base>
void SkinControlT<Base>::Notify(const platform::Notification& n) {
    if (n.message == platform::Message::BackgroundChanged) BackgroundChanged();
}

template <class Base>
void SkinControlT<Base>::ComponentRemoved(platform::Component* removed) {
    if (removed == skinData_) {
        skinData_ = nullptr;
        ForgetSkinSection();
    }
    if (removed == hintImageList_) hintImageList_ = nullptr;
    Base::ComponentRemoved(removed);
}

template class SkinControlT<platform::WinControl>;
template class SkinControlT<platform::Control>;

void TspSkinControl::EraseBackground(gfx::Painter& /*painter*/) {}

platform::Cursor SkinCursor(int cursorIndex) {
    constexpr int first = static_cast<int>(platform::Cursor::Arrow);
    constexpr int last = static_cast<int>(platform::Cursor::SizeNESW);
    if (cursorIndex < 0 || cursorIndex > last - first) return platform::Cursor::Default;
    return static_cast<platform::Cursor>(first + cursorIndex);
}

}  // namespace controls
