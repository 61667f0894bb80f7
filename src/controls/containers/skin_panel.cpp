#include "controls/containers/skin_panel.h"

#include "gfx/text.h"
#include "skin/compose/skin_geometry.h"
#include "skin/skin_data.h"

namespace controls {

TspSkinPanel::TspSkinPanel(platform::Component* owner) : TspSkinCustomControl(owner) {
    SetSkinDataName("panel");
    SetBounds(0, 0, 150, 150);
}

TspSkinGroupBox::TspSkinGroupBox(platform::Component* owner) : TspSkinPanel(owner) {
    SetSkinDataName("groupbox");
    SetCaptionMode(true);
}

void TspSkinPanel::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    if (captionMode_) Invalidate();
}

void TspSkinPanel::SetImagePosition(TspImagePosition position) {
    imagePosition_ = position;
    Invalidate();
}

void TspSkinPanel::SetTransparentMode(bool value) {
    if (value == transparentMode_) return;
    transparentMode_ = value;
    Invalidate();
    NotifyControls({platform::Message::BackgroundChanged, this}, false);
}

void TspSkinPanel::SetCaptionImageList(platform::ImageList* list) {
    if (list == captionImages_) return;
    if (captionImages_) RemoveFreeNotification(captionImages_);
    captionImages_ = list;
    if (captionImages_) FreeNotification(captionImages_);
    Invalidate();
}

void TspSkinPanel::SetCaptionImageIndex(int index) {
    captionImageIndex_ = index;
    Invalidate();
}

void TspSkinPanel::ComponentRemoved(platform::Component* removed) {
    if (removed == captionImages_) {
        captionImages_ = nullptr;
        Invalidate();
    }
    TspSkinCustomControl::ComponentRemoved(removed);
}

void TspSkinPanel::SetCheckedMode(bool value) {
    checkedMode_ = value;
    Invalidate();
}

void TspSkinPanel::SetChecked(bool value) {
    checked_ = value;
    if (checkedMode_) Invalidate();
    if (AutoEnabledControls && checkedMode_)
        for (const auto& child : Controls()) child->SetEnabled(checked_);
    if (OnChecked) OnChecked(*this);
}

void TspSkinPanel::SetGlyph(gfx::Bitmap glyph) {
    glyph_ = std::move(glyph);
    Invalidate();
}

void TspSkinPanel::SetNumGlyphs(int value) {
    numGlyphs_ = value < 1 ? 1 : value > 2 ? 2 : value;
    Invalidate();
}

void TspSkinPanel::SetSpacing(int value) {
    spacing_ = value;
    Invalidate();
}

void TspSkinPanel::RepaintWithoutSection() {
    if (!HasSection() && captionMode_) Invalidate();
}

void TspSkinPanel::SetDefaultAlignment(platform::Alignment alignment) {
    defaultAlignment_ = alignment;
    RepaintWithoutSection();
}

void TspSkinPanel::SetDefaultCaptionHeight(int height) {
    defaultCaptionHeight_ = height;
    RepaintWithoutSection();
}

void TspSkinPanel::SetBorderStyle(TspBorderStyle style) {
    borderStyle_ = style;
    if (!HasSection()) Invalidate();
}

void TspSkinPanel::SetCaptionMode(bool value) {
    captionMode_ = value;
    Invalidate();
}

void TspSkinPanel::SetRollUpMode(bool value) {
    rollUpMode_ = value;
    RepaintWithoutSection();
}

void TspSkinPanel::SetRollUpState(bool value) {
    if (value == rollUpState_) return;
    rollUpState_ = value;
    if (OnChangeRollUpState) OnChangeRollUpState(*this);
}

void TspSkinPanel::FetchSkinData() {
    TspSkinCustomControl::FetchSkinData();
    if (!HasSection()) {
        section_.reset();
        return;
    }
    // A plainer record leaves the panel's own values as they were.
    if (const auto* panel = dynamic_cast<const skin::TspDataSkinPanelControl*>(SectionRecord())) section_ = *panel;
}

void TspSkinPanel::ApplySkinChange() {
    TspSkinCustomControl::ApplySkinChange();
    // The child area may have moved with the new skin.
    NotifyControls({platform::Message::BackgroundChanged, this}, false);
}

void TspSkinPanel::SetBounds(int left, int top, int width, int height) {
    const bool moved = left != Left() || top != Top();
    TspSkinCustomControl::SetBounds(left, top, width, height);
    if (moved && transparentMode_) {
        Invalidate();
        NotifyControls({platform::Message::BackgroundChanged, this}, false);
    }
}

void TspSkinPanel::BackgroundChanged() {
    if (transparentMode_ && !AlphaBlend()) {
        Invalidate();
        NotifyControls({platform::Message::BackgroundChanged, this}, false);
        return;
    }
    TspSkinCustomControl::BackgroundChanged();
}

gfx::Rect TspSkinPanel::ChildArea() const {
    const int w = Width();
    const int h = Height();
    if (HasSection() && section_ && transparentMode_) {
        const int top = captionMode_ ? gfx::TextHeight(CaptionFont()) : 2;
        return {2, top, w - 2, h - 2};
    }
    if (!HasSection() || !section_) {
        gfx::Rect r = ClientRect();
        if (borderStyle_ != TspBorderStyle::bvNone) r = r.shrunk(1, 1);
        if (captionMode_) r.top += defaultCaptionHeight_;
        return r;
    }
    const bool bgPicture = SkinData()->ActivePicture(section_->BGPictureIndex) != nullptr;
    const bool bare = borderStyle_ == TspBorderStyle::bvNone && !captionMode_ && ResizeMode() == skin::ResizeMode::Both;
    if (bgPicture || bare) return ClientRect();
    return ResizedClientRect();
}

gfx::Font TspSkinPanel::CaptionFont() const {
    gfx::Font font = ControlFont(section_ ? section_->Font : DefaultFont());
    if (section_ && HasSection()) font.FontColor = section_->Font.FontColor;
    return font;
}

gfx::Rect TspSkinPanel::CaptionArea() const {
    if (!HasSection() || !section_ || section_->CaptionRect.empty()) return {};
    gfx::Rect r = skin::MapSkinRect(section_->CaptionRect, Geometry(), ResizeMode(), {Width(), Height()});
    if (rollUpMode_) r.right -= 12;
    return r;
}

gfx::Rect TspSkinPanel::CheckMarkRect() const {
    if (!checkedMode_) return {};
    if (!HasSection() || !section_) {
        const int top = 1 + defaultCaptionHeight_ / 2 - 13 / 2;
        return gfx::Rect::from_size(4, top, 13, 13);
    }
    const gfx::Rect r = CaptionArea();
    const gfx::Rect& src = checked_ ? section_->CheckImageRect : section_->UnCheckImageRect;
    if (r.empty() || src.empty()) return {};
    return gfx::Rect::from_size(r.left, r.top + r.height() / 2 - src.height() / 2, src.width(), src.height());
}

void TspSkinPanel::MouseDown(platform::MouseButton button, unsigned /*shift*/, gfx::Point p) {
    if (button == platform::MouseButton::Left && CheckMarkRect().contains(p)) SetChecked(!checked_);
}

}  // namespace controls
