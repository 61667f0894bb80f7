#include "controls/ranges/arrow_button.h"
#include "controls/ranges/skin_up_down.h"
#include "gfx/painter.h"
#include "skin/compose/frame_image.h"
#include "skin/records/data_skin_control_buttons.h"

namespace controls {

namespace {

ArrowDirection ArrowOf(int button, TUDOrientation orientation) {
    const bool vertical = orientation == TUDOrientation::udVertical;
    if (button == TspSkinUpDown::kUp) return vertical ? ArrowDirection::Up : ArrowDirection::Right;
    return vertical ? ArrowDirection::Down : ArrowDirection::Left;
}

}  // namespace

void TspSkinUpDown::RenderSkinImage(gfx::Bitmap& image) const {
    gfx::Painter painter(image);
    painter.Copy(*picture_, section_->SkinRect, {0, 0});
    for (int i : {kUp, kDown}) {
        const Button& b = buttons_[i];
        gfx::Rect source;
        if (b.hot && b.pressed) {
            const gfx::Rect& down = i == kUp ? section_->DownUpButtonRect : section_->DownDownButtonRect;
            source = !down.empty() ? down : (i == kUp ? section_->ActiveUpButtonRect : section_->ActiveDownButtonRect);
        } else if (b.hot) {
            source = i == kUp ? section_->ActiveUpButtonRect : section_->ActiveDownButtonRect;
        }
        // The state pictures are given in the picture's own coordinates.
        if (!source.empty()) painter.Copy(*picture_, source, b.rect.top_left());
    }
}

void TspSkinUpDown::RenderResizedButtons(gfx::Bitmap& image) const {
    if (!buttonSection_ || !buttonPicture_) return;
    const skin::TspDataSkinButtonControl& s = *buttonSection_;
    const skin::SkinGeometry g = skin::GeometryOf(s);
    gfx::Painter painter(image);
    for (int i : {kUp, kDown}) {
        const Button& b = buttons_[i];
        if (b.rect.empty()) continue;
        gfx::Rect source = s.SkinRect;
        gfx::Color color = s.Font.FontColor;
        if (b.hot && b.pressed) {
            source = !s.DownSkinRect.empty() ? s.DownSkinRect : s.ActiveSkinRect;
            color = s.DownFontColor;
        } else if (b.hot) {
            source = !s.ActiveSkinRect.empty() ? s.ActiveSkinRect : s.SkinRect;
            color = s.ActiveFontColor;
        }
        if (source.empty()) source = s.SkinRect;
        gfx::Size size = b.rect.size();
        const skin::ResizedGeometry r = skin::FitSkinSize(g, skin::ResizeModeOf(g), size);
        gfx::Bitmap face;
        skin::ComposeFrameImage(face, *buttonPicture_, source, g, r, b.rect.width(), b.rect.height(), true);
        painter.Copy(face, face.rect(), b.rect.top_left());
        const gfx::Rect arrow = b.hot && b.pressed ? b.rect.translated(2, 2) : b.rect;
        DrawArrow(painter, arrow, ArrowOf(i, orientation_), color);
    }
}

void TspSkinUpDown::RenderDefaultImage(gfx::Bitmap& image) const {
    gfx::Painter painter(image);
    for (int i : {kUp, kDown}) {
        const Button& b = buttons_[i];
        DrawPlainButton(painter, b.rect, b.hot, b.pressed);
        DrawArrow(painter, b.rect, ArrowOf(i, orientation_), gfx::clBlack);
    }
}

void TspSkinUpDown::Paint(gfx::Painter& painter) {
    if (Width() <= 0 || Height() <= 0) return;
    FetchSkinData();
    PlaceButtons();
    gfx::Bitmap image(Width(), Height(), gfx::ColorToPixel(gfx::clBtnFace));
    if (section_ && useSkinSize_) {
        if (picture_) RenderSkinImage(image);
    } else if (section_) {
        RenderResizedButtons(image);
    } else {
        RenderDefaultImage(image);
    }
    painter.Copy(image, image.rect(), {0, 0});
}

}  // namespace controls
