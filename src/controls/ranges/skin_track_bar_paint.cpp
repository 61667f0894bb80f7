#include "controls/ranges/skin_track_bar.h"
#include "gfx/effects.h"
#include "gfx/painter.h"
#include "skin/compose/render_skin_image.h"
#include "skin/records/data_skin_control_ranges.h"

namespace controls {

namespace {
// Thumb colours of the default look (0x00BBGGRR).
constexpr gfx::Color kNavy = 0x800000;
constexpr gfx::Color kDragFill = 0xB59385;
constexpr gfx::Color kFocusFill = 0xD2BDB6;
}  // namespace

void TspSkinTrackBar::RenderSkinImage(gfx::Bitmap& image, const ThumbPlacement& p) const {
    const gfx::Size size{Width(), Height()};
    skin::RenderSkinImage(image, *picture_, geometry_.SkinRect, geometry_, resized_, mode_, size);
    gfx::Painter painter(image);
    const skin::TspDataSkinTrackBarControl& s = *section_;
    if (!s.ActiveSkinRect.empty()) {
        // The part on the minimum's side of the thumb centre shows the active picture.
        gfx::Bitmap active;
        skin::RenderSkinImage(active, *picture_, s.ActiveSkinRect, geometry_, resized_, mode_, size);
        if (vertical_) {
            const int from = p.thumb.top + p.thumb.height() / 2;
            painter.Copy(active, {0, from, active.width(), active.height()}, {0, from});
        } else if (const int to = p.thumb.left + p.thumb.width() / 2; to > 0) {
            painter.Copy(active, {0, 0, to, active.height()}, {0, 0});
        }
    }
    const bool active = dragging_ || (canFocused_ && Focused());
    const gfx::Rect source = active && !s.ActiveButtonRect.empty() ? s.ActiveButtonRect : s.ButtonRect;
    if (s.ButtonTransparent) {
        painter.CopyTransparent(*picture_, source, p.thumb, gfx::ColorToPixel(s.ButtonTransparentColor));
    } else if (alphaBlend_) {
        gfx::Bitmap thumb(p.thumb.width(), p.thumb.height());
        gfx::Painter(thumb).Copy(*picture_, source, {0, 0});
        gfx::Bitmap under(p.thumb.width(), p.thumb.height());
        gfx::Painter(under).Copy(image, p.thumb, {0, 0});
        gfx::BlendImages(thumb, under, 1.0 - alphaBlendValue_ / 255.0);
        painter.Copy(thumb, thumb.rect(), p.thumb.top_left());
    } else {
        painter.Copy(*picture_, source, p.thumb.top_left());
    }
}

void TspSkinTrackBar::RenderDefaultImage(gfx::Bitmap& image, const ThumbPlacement& p) const {
    gfx::Painter painter(image);
    const int w = Width(), h = Height();
    painter.FillRect(image.rect(), gfx::ColorToPixel(gfx::clBtnFace));
    painter.FrameRect(image.rect(), gfx::ColorToPixel(gfx::clBtnShadow));
    const gfx::Rect groove =
        vertical_ ? gfx::Rect{w / 2 - 1, 4, w / 2 + 1, h - 4} : gfx::Rect{4, h / 2 - 1, w - 4, h / 2 + 1};
    painter.Frame3D(groove, gfx::ColorToPixel(gfx::clBtnShadow), gfx::ColorToPixel(gfx::clBtnHighlight));
    gfx::Color frame = gfx::clBtnShadow, fill = gfx::clBtnFace;
    if (dragging_) {
        frame = kNavy;
        fill = kDragFill;
    } else if (canFocused_ && Focused()) {
        frame = kNavy;
        fill = kFocusFill;
    }
    painter.FillRect(p.thumb, gfx::ColorToPixel(fill));
    painter.FrameRect(p.thumb, gfx::ColorToPixel(frame));
}

void TspSkinTrackBar::Paint(gfx::Painter& painter) {
    if (Width() <= 0 || Height() <= 0) return;
    const ThumbPlacement p = ThumbRect();
    gfx::Bitmap image(Width(), Height());
    if (section_ && picture_)
        RenderSkinImage(image, p);
    else if (!section_ && DrawDefault)
        RenderDefaultImage(image, p);
    if (alphaBlend_) {
        gfx::Bitmap back;
        platform::CaptureParentImage(*this, back);
        gfx::BlendImages(image, back, 1.0 - alphaBlendValue_ / 255.0);
    }
    painter.Copy(image, image.rect(), {0, 0});
}

}  // namespace controls
