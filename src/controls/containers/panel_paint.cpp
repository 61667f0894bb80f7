#include <algorithm>

#include "controls/containers/skin_panel.h"
#include "gfx/text.h"
#include "skin/compose/frame_image.h"
#include "skin/compose/three_part.h"
#include "skin/compose/tiling.h"
#include "skin/skin_data.h"

// Painting of the skinned panel and group box: the plain look, the background picture and parent
// image variants of the skinned look, and the caption with its check mark, picture and plate.

namespace controls {
namespace {

constexpr int kPlainCheckBox = 13;
constexpr int kRollUpArea = 10;

// A rectangle of a picture drawn without its bottom-left pixel's colour, as transparent bitmaps are.
void DrawTransparent(gfx::Painter& painter, const gfx::Bitmap& picture, const gfx::Rect& src, gfx::Point at) {
    if (src.empty()) return;
    const gfx::Pixel key = picture.at(src.left, src.bottom - 1);
    painter.CopyTransparent(picture, src, gfx::Rect::from_size(at, src.size()), key);
}

// A small filled triangle pointing up or down, centred in r.
void DrawArrow(gfx::Painter& painter, const gfx::Rect& r, bool down, gfx::Pixel colour) {
    const int cx = r.left + r.width() / 2;
    const int cy = r.top + r.height() / 2;
    for (int i = 0; i < 4; ++i) {
        const int y = down ? cy - 2 + i : cy + 1 - i;
        painter.FillRect({cx - 3 + i, y, cx + 4 - i, y + 1}, colour);
    }
}

}  // namespace

bool TspSkinPanel::PiecewisePaint() const {
    if (transparentMode_) return false;
    return !section_ || !SkinData() || !SkinData()->ActivePicture(section_->BGPictureIndex);
}

void TspSkinPanel::RenderDefaultImage(gfx::Bitmap& image) {
    image.Reset(Width(), Height());
    if (transparentMode_)
        platform::CaptureParentImage(*this, image);
    else
        image.Fill(gfx::ColorToPixel(gfx::clBtnFace));
    gfx::Painter painter(image);
    DrawBorder(painter, image.rect(), borderStyle_);
    if (!captionMode_) return;
    gfx::Rect band{2, 1, Width() - 2, 1 + defaultCaptionHeight_};
    if (checkedMode_) {
        const gfx::Rect box = CheckMarkRect();
        painter.FillRect(box, gfx::ColorToPixel(gfx::clWindow));
        painter.FrameRect(box, gfx::ColorToPixel(gfx::clBtnShadow));
        if (checked_) {
            const gfx::Pixel ink = gfx::ColorToPixel(gfx::clBtnText);
            for (int i = 0; i < 3; ++i) {
                painter.DrawLine({box.left + 3, box.top + 5 + i}, {box.left + 5, box.top + 7 + i}, ink);
                painter.DrawLine({box.left + 5, box.top + 7 + i}, {box.left + 10, box.top + 2 + i}, ink);
            }
        }
        band.left = box.right + 2;
    }
    unsigned format = gfx::dtSingleLine | gfx::dtVCenter;
    if (defaultAlignment_ == platform::Alignment::Center) format |= gfx::dtCenter;
    if (defaultAlignment_ == platform::Alignment::Right) format |= gfx::dtRight;
    gfx::Font font = DefaultFont();
    if (!IsEnabled()) font.FontColor = gfx::clGrayText;
    painter.DrawText(font, caption_, band, format);
}

void TspSkinPanel::RenderSkinImage(gfx::Bitmap& image) {
    image.Reset(Width(), Height());
    const gfx::Bitmap* background = section_ ? SkinData()->ActivePicture(section_->BGPictureIndex) : nullptr;
    if (transparentMode_) {
        platform::CaptureParentImage(*this, image);
    } else if (background) {
        gfx::Painter painter(image);
        skin::SkinGeometry g = Geometry();
        g.ClientRect = background->rect();
        skin::FillClientArea(painter, *background, background->rect(), g, image.rect());
    } else {
        TspSkinCustomControl::RenderSkinImage(image);
    }
    DrawCaption(image);
}

void TspSkinPanel::RenderCaptionStrip(gfx::Bitmap& topStrip) { DrawCaption(topStrip); }

gfx::Size TspSkinPanel::CaptionPictureSize() const {
    if (!glyph_.empty()) return {glyph_.width() / numGlyphs_, glyph_.height()};
    if (captionImages_ && captionImageIndex_ >= 0 && captionImageIndex_ < captionImages_->Count())
        return {captionImages_->Width(), captionImages_->Height()};
    return {};
}

void TspSkinPanel::DrawCaptionPicture(gfx::Painter& painter, gfx::Point at, int cell) const {
    if (!glyph_.empty()) {
        const int w = glyph_.width() / numGlyphs_;
        DrawTransparent(painter, glyph_, gfx::Rect::from_size((cell - 1) * w, 0, w, glyph_.height()), at);
        return;
    }
    captionImages_->Draw(painter, captionImageIndex_, at.x, at.y, IsEnabled());
}

void TspSkinPanel::DrawCaption(gfx::Bitmap& image) const {
    if (!captionMode_ || !section_ || caption_.empty()) return;
    gfx::Rect r = CaptionArea();
    if (r.empty()) return;
    const skin::TspDataSkinPanelControl& s = *section_;
    const gfx::Bitmap* picture = SkinPicture();
    gfx::Painter painter(image);

    if (checkedMode_ && picture) {
        const gfx::Rect& src = checked_ ? s.CheckImageRect : s.UnCheckImageRect;
        DrawTransparent(painter, *picture, src, {r.left, r.top + r.height() / 2 - src.height() / 2});
        r.left += src.width() + 2;
    }
    const gfx::Font font = CaptionFont();
    const int textWidth = gfx::TextWidth(font, caption_);
    const int textHeight = gfx::TextHeight(font);
    const int textTop = r.top + r.height() / 2 - textHeight / 2;
    const gfx::Size pic = CaptionPictureSize();
    const bool hasPicture = pic.width > 0;
    const int w = textWidth + (hasPicture ? pic.width + spacing_ : 0);
    int x = r.left;
    if (s.Alignment == skin::TspAlignment::Right) x = r.right - w;
    if (s.Alignment == skin::TspAlignment::Center) x = r.left + r.width() / 2 - w / 2;

    int textLeft = x;
    gfx::Point picAt{x, r.top + r.height() / 2 - pic.height / 2};
    if (hasPicture && imagePosition_ == TspImagePosition::spipDefault) {
        textLeft = x + pic.width + spacing_;
    } else if (hasPicture) {
        picAt.x = r.left + 2;
        textLeft = std::max(x, r.left + 2 + pic.width + spacing_);
    }

    if (rollUpMode_) {
        const gfx::Rect mark{r.right, r.top, r.right + kRollUpArea, r.bottom};
        if (picture && !s.MarkFrameRect.empty())
            painter.Copy(*picture, s.MarkFrameRect,
                         {mark.left, mark.top + mark.height() / 2 - s.MarkFrameRect.height() / 2});
        DrawArrow(painter, mark, rollUpState_, gfx::ColorToPixel(s.Font.FontColor));
    }
    if (picture && !s.FrameRect.empty()) {
        gfx::Bitmap plate;
        const int plateWidth = textWidth + s.FrameRect.width() - s.FrameTextRect.width();
        skin::ComposeHorzImage(plate, *picture, s.FrameRect, s.FrameLeftOffset, s.FrameRightOffset, plateWidth, false);
        painter.Copy(plate, plate.rect(), {textLeft, textTop - s.FrameTextRect.top});
        textLeft += s.FrameTextRect.left;
    }
    {
        gfx::PainterSaver saver(painter);
        painter.ClipRect(r);
        painter.DrawText(font, caption_, {textLeft, textTop, textLeft + textWidth, textTop + textHeight},
                         gfx::dtSingleLine | gfx::dtNoPrefix | gfx::dtNoClip);
    }
    if (hasPicture) DrawCaptionPicture(painter, picAt, !IsEnabled() && numGlyphs_ == 2 ? 2 : 1);
}

}  // namespace controls
