#include "controls/base/skin_custom_control.h"

#include <type_traits>

#include "gfx/colour.h"
#include "skin/compose/mask_region.h"
#include "skin/compose/render_skin_image.h"
#include "skin/records/data_skin_control.h"
#include "skin/skin_data.h"

namespace controls {

template <class Base>
SkinCustomControlT<Base>::SkinCustomControlT(platform::Component* owner) : Base(owner) {}

template <class Base>
void SkinCustomControlT<Base>::SetDefaultFont(const gfx::Font& font) {
    defaultFont_ = font;
    DefaultFontChanged();
}

template <class Base>
void SkinCustomControlT<Base>::DefaultFontChanged() {
    if (!this->HasSection() || !UseSkinFont) this->Invalidate();
}

template <class Base>
void SkinCustomControlT<Base>::SetDefaultWidth(int value) {
    defaultWidth_ = value;
    if (!this->HasSection() && value > 0) this->SetWidth(value);
}

template <class Base>
void SkinCustomControlT<Base>::SetDefaultHeight(int value) {
    defaultHeight_ = value;
    if (!this->HasSection() && value > 0) this->SetHeight(value);
}

template <class Base>
void SkinCustomControlT<Base>::FetchSkinData() {
    Base::FetchSkinData();
    const skin::TspDataSkinControl* record = this->SectionRecord();
    if (!record) return;
    const auto* custom = dynamic_cast<const skin::TspDataSkinCustomControl*>(record);
    if (!custom) {
        resizeMode_ = skin::ResizeMode::Fixed;
        picture_ = nullptr;
        mask_ = nullptr;
        return;
    }
    geometry_ = skin::GeometryOf(*custom);
    resizeMode_ = skin::ResizeModeOf(geometry_);
    picture_ = this->SkinData()->ActivePicture(custom->PictureIndex);
    mask_ = this->SkinData()->ActivePicture(custom->MaskPictureIndex);
}

template <class Base>
void SkinCustomControlT<Base>::ForgetSkinSection() {
    Base::ForgetSkinSection();
    picture_ = nullptr;
    mask_ = nullptr;
}

template <class Base>
void SkinCustomControlT<Base>::FitSkinSize(gfx::Size& size) {
    if (!this->HasSection() || resizeMode_ == skin::ResizeMode::None) return;
    resized_ = skin::FitSkinSize(geometry_, resizeMode_, size);
}

template <class Base>
void SkinCustomControlT<Base>::ApplySkinChange() {
    FetchSkinData();
    const skin::TspDataSkinControl* record = this->SectionRecord();
    this->ApplySkinCursor(record ? record->CursorIndex : -1);
    if (!record) {
        if (defaultWidth_ > 0) this->SetWidth(defaultWidth_);
        if (defaultHeight_ > 0) this->SetHeight(defaultHeight_);
        UpdateSkinRegion();
        this->Invalidate();
        return;
    }
    gfx::Size size{this->Width(), this->Height()};
    FitSkinSize(size);
    if (size.width != this->Width() || size.height != this->Height()) {
        SetBounds(this->Left(), this->Top(), size.width, size.height);
    } else {
        UpdateSkinRegion();
        this->Invalidate();
    }
}

template <class Base>
void SkinCustomControlT<Base>::UpdateSkinRegion() {
    if constexpr (std::is_base_of_v<platform::WinControl, Base>) {
        if (!mask_ || !this->HasSection() || MaskIgnored()) {
            this->SetWindowRegion(std::nullopt);
            return;
        }
        gfx::Size size{this->Width(), this->Height()};
        FitSkinSize(size);
        this->SetWindowRegion(
            skin::MaskRegion(*mask_, geometry_.SkinRect, geometry_, resized_, resizeMode_, size.width, size.height));
    }
}

template <class Base>
void SkinCustomControlT<Base>::SetBounds(int left, int top, int width, int height) {
    FetchSkinData();
    gfx::Size size{width, height};
    const bool refit = this->HasSection() && (width != this->Width() || height != this->Height());
    if (refit) FitSkinSize(size);
    Base::SetBounds(left, top, size.width, size.height);
    if (refit) {
        UpdateSkinRegion();
        this->Invalidate();
    }
    if (this->HasSection() && geometry_.StretchEffect) {
        if constexpr (std::is_base_of_v<platform::WinControl, Base>) {
            this->NotifyControls({platform::Message::BackgroundChanged, this}, false);
        }
    }
}

template <class Base>
void SkinCustomControlT<Base>::Paint(gfx::Painter& painter) {
    if (this->Width() <= 0 || this->Height() <= 0) return;
    FetchSkinData();
    gfx::Size size{this->Width(), this->Height()};
    FitSkinSize(size);
    if (this->HasSection() && PiecewisePaint() && resizeMode_ == skin::ResizeMode::Both && !this->AlphaBlend()) {
        PaintPiecewise(painter);
        return;
    }
    gfx::Bitmap& image = this->OffscreenImage();
    if (this->HasSection()) {
        RenderSkinImage(image);
    } else if (this->DrawDefault) {
        RenderDefaultImage(image);
    } else {
        image.Reset(this->Width(), this->Height());
    }
    this->PresentImage(painter, image);
}

template <class Base>
void SkinCustomControlT<Base>::PaintPiecewise(gfx::Painter& painter) {
    if (!picture_) return;
    const int w = this->Width();
    const int h = this->Height();
    skin::BorderStrips strips = skin::ComposeBorderStrips(*picture_, geometry_.SkinRect, geometry_, resized_, w, h);
    RenderCaptionStrip(strips.Top);
    skin::PaintPiecewise(painter, *picture_, geometry_.SkinRect, geometry_, resized_, strips, w, h);
}

template <class Base>
void SkinCustomControlT<Base>::RenderDefaultImage(gfx::Bitmap& image) {
    image.Fill(gfx::ColorToPixel(gfx::clBtnFace));
}

template <class Base>
void SkinCustomControlT<Base>::RenderSkinImage(gfx::Bitmap& image) {
    RenderSkinImage(image, geometry_.SkinRect);
}

template <class Base>
void SkinCustomControlT<Base>::RenderSkinImage(gfx::Bitmap& image, const gfx::Rect& source) {
    if (!picture_) return;
    skin::RenderSkinImage(image, *picture_, source, geometry_, resized_, resizeMode_, {this->Width(), this->Height()},
                          PiecewisePaint());
}

template <class Base>
gfx::Font SkinCustomControlT<Base>::ControlFont(const gfx::Font& sectionFont) const {
    if (!this->HasSection() || !UseSkinFont) return defaultFont_;
    gfx::Font font = defaultFont_;
    font.Name = sectionFont.Name;
    font.Height = sectionFont.Height;
    font.Style = sectionFont.Style;
    return font;
}

template <class Base>
gfx::Pixel SkinCustomControlT<Base>::SkinButtonFace() const {
    const skin::TspSkinData* data = this->SkinData();
    return gfx::ColorToPixel(data && !data->IsEmpty() ? data->SkinColors().cBtnFace : gfx::clBtnFace);
}

template class SkinCustomControlT<TspSkinControl>;
template class SkinCustomControlT<TspGraphicSkinControl>;

}  // namespace controls
