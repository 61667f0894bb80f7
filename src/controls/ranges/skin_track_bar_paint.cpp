#include "controls/ranges/skin_track_bar.h"
#include "gfx/effects.h"
#include "gfx/painter.h"

namespace controls {

namespace {
// Thumb colours of the default look (0x00BBGGRR).
constexpr gfx::Color kNavy = 0x800000;
constexpr gfx::Color kDragFill = 0xB59385;
constexpr gfx::Color kFocusFill = 0xD2BDB6;
}  // namespace

void TspSkinTrackBar::RenderSkinImage(gfx::Bitmap& image) {
    const ThumbPlacement p = ThumbRect();
    TspSkinCustomControl::RenderSkinImage(image);
    const gfx::Bitmap* picture = SkinPicture();
    if (!picture) return;
    gfx::Painter painter(image);
    if (!section_.activeSkinRect.empty()) {
        // The part on the minimum's side of the thumb centre shows the active picture.
        gfx::Bitmap& active = activeImage_;
        TspSkinCustomControl::RenderSkinImage(active, section_.activeSkinRect);
        if (vertical_) {
            const int from = p.thumb.top + p.thumb.height() / 2;
            painter.Copy(active, {0, from, active.width(), active.height()}, {0, from});
        } else if (const int to = p.thumb.left + p.thumb.width() / 2; to > 0) {
            painter.Copy(active, {0, 0, to, active.height()}, {0, 0});
        }
    }
    const bool hot = dragging_ || (canFocused_ && Focused());
    const gfx::Rect source = hot ? section_.activeButtonRect : section_.buttonRect;
    if (section_.buttonTransparent) {
        painter.CopyTransparent(*picture, source, p.thumb, gfx::ColorToPixel(section_.buttonTransparentColor));
    } else if (AlphaBlend()) {
        gfx::Bitmap thumb(p.thumb.width(), p.thumb.height());
        gfx::Painter(thumb).Copy(*picture, source, {0, 0});
        gfx::Bitmap under(p.thumb.width(), p.thumb.height());
        gfx::Painter(under).Copy(image, p.thumb, {0, 0});
        gfx::BlendImages(thumb, under, 1.0 - AlphaBlendValue() / 255.0);
        painter.Copy(thumb, thumb.rect(), p.thumb.top_left());
    } else {
        painter.Copy(*picture, source, p.thumb.top_left());
    }
}

void TspSkinTrackBar::RenderDefaultImage(gfx::Bitmap& image) {
    const ThumbPlacement p = ThumbRect();
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

}  // namespace controls
