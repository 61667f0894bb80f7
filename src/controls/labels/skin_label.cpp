#include "controls/labels/skin_label.h"

#include "gfx/text.h"
#include "skin/compose/frame_image.h"
#include "skin/compose/skin_geometry.h"

namespace controls {

TspSkinLabel::TspSkinLabel(platform::Component* owner) : TspSkinCustomControl(owner) {
    SetSkinDataName("label");
    SetBounds(0, 0, 75, 21);
}

void TspSkinLabel::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    FitToCaption();
    Invalidate();
}

void TspSkinLabel::SetEllipsType(TspEllipsType type) {
    ellipsType_ = type;
    Invalidate();
}

void TspSkinLabel::SetUseSkinSize(bool value) {
    useSkinSize_ = value;
    ApplySkinChange();
}

void TspSkinLabel::SetBorderStyle(TspBorderStyle style) {
    borderStyle_ = style;
    if (!HasSection()) Invalidate();
}

void TspSkinLabel::SetAlignment(platform::Alignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TspSkinLabel::SetAutoSize(bool value) {
    autoSize_ = value;
    FitToCaption();
}

void TspSkinLabel::FetchSkinData() {
    TspSkinCustomControl::FetchSkinData();
    if (!HasSection()) {
        section_.reset();
        return;
    }
    if (const auto* label = dynamic_cast<const skin::TspDataSkinLabelControl*>(SectionRecord())) section_ = *label;
    // A fixed plate cannot follow its caption.
    if (ResizeMode() == skin::ResizeMode::Fixed) autoSize_ = false;
}

bool TspSkinLabel::FreeSize() const { return !useSkinSize_ && ResizeMode() != skin::ResizeMode::Both; }

void TspSkinLabel::FitSkinSize(gfx::Size& size) {
    if (autoSize_) {
        const int extra = ExtraWidth() - (size.width - Width());
        if (extra > 0) size.width += extra;
    }
    if (!FreeSize()) {
        TspSkinCustomControl::FitSkinSize(size);
        return;
    }
    // Any size: the anchors follow the width, the requested size stays.
    gfx::Size kept = size;
    TspSkinCustomControl::FitSkinSize(kept);
}

void TspSkinLabel::UpdateSkinRegion() {
    if (HasSection() && FreeSize()) {
        SetWindowRegion(std::nullopt);
        return;
    }
    TspSkinCustomControl::UpdateSkinRegion();
}

gfx::Font TspSkinLabel::TextFont() const {
    gfx::Font font = ControlFont(section_ ? section_->Font : DefaultFont());
    if (HasSection() && section_ && UseSkinFontColor) font.FontColor = section_->Font.FontColor;
    return font;
}

int TspSkinLabel::ExtraWidth() const {
    if (!HasSection()) return gfx::TextWidth(DefaultFont(), caption_) + 4 - Width();
    if (ResizeMode() == skin::ResizeMode::Fixed || ResizeMode() == skin::ResizeMode::None) return 0;
    return gfx::TextWidth(TextFont(), caption_) - TextArea().width();
}

gfx::Rect TspSkinLabel::TextArea() const {
    if (!HasSection()) return {2, 2, Width() - 2, Height() - 2};
    gfx::Size size{Width(), Height()};
    const skin::SkinGeometry& g = Geometry();
    if (!FreeSize()) return skin::FitSkinSize(g, ResizeMode(), size).ClientRect;
    gfx::Rect area = skin::FitSkinSize(g, ResizeMode(), size).ClientRect;
    area.right = g.ClientRect.right + Width() - g.SkinRect.width();
    area.bottom += Height() - g.SkinRect.height();
    return area;
}

std::string TspSkinLabel::ShownText() const { return LabelText(TextFont(), caption_, TextArea().width(), ellipsType_); }

void TspSkinLabel::FitToCaption() {
    if (!autoSize_) return;
    FetchSkinData();
    if (!autoSize_) return;
    const int extra = ExtraWidth();
    if (extra != 0) SetWidth(Width() + extra);
}

void TspSkinLabel::RenderDefaultImage(gfx::Bitmap& image) {
    image.Reset(Width(), Height());
    image.Fill(gfx::ColorToPixel(gfx::clBtnFace));
    gfx::Painter painter(image);
    DrawBorder(painter, image.rect(), borderStyle_);
    DrawText(image, TextArea());
}

void TspSkinLabel::RenderSkinImage(gfx::Bitmap& image) {
    if (!FreeSize()) {
        TspSkinCustomControl::RenderSkinImage(image);
    } else {
        image.Reset(Width(), Height());
        if (const gfx::Bitmap* picture = SkinPicture()) {
            const skin::SkinGeometry g = skin::StretchedAroundClient(Geometry());
            gfx::Size size = image.size();
            const skin::ResizedGeometry r = skin::FitSkinSize(g, skin::ResizeMode::Both, size);
            skin::ComposeFrameImage(image, *picture, g.SkinRect, g, r, image.width(), image.height(), true);
        }
    }
    DrawText(image, TextArea());
}

void TspSkinLabel::DrawText(gfx::Bitmap& image, const gfx::Rect& area) const {
    const gfx::Font font = TextFont();
    const std::string text = ShownText();
    const int w = gfx::TextWidth(font, text);
    const int h = gfx::TextHeight(font);
    const gfx::Point at = LabelTextOrigin(area, w, h, alignment_);
    gfx::Painter painter(image);
    painter.ClipRect(area);
    painter.DrawText(font, text, gfx::Rect::from_size(at.x, at.y, w, h),
                     gfx::dtSingleLine | gfx::dtNoPrefix | gfx::dtNoClip);
}

}  // namespace controls
