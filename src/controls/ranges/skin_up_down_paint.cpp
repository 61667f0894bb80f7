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

void TspSkinUpDown::RenderSkinButtons(gfx::Bitmap& image) const {
    const gfx::Bitmap* picture = SkinPicture();
    if (!picture) return;
    gfx::Painter painter(image);
    for (int i : {kUp, kDown}) {
        const Button& b = buttons_[i];
        gfx::Rect source;
        if (b.hot && b.pressed)
            source = i == kUp ? section_.downUpButtonRect : section_.downDownButtonRect;
        else if (b.hot)
            source = i == kUp ? section_.activeUpButtonRect : section_.activeDownButtonRect;
        // Otherwise the section's picture already shows the button at rest.
        if (!source.empty()) painter.Copy(*picture, source, b.rect.top_left());
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

void TspSkinUpDown::RenderDefaultImage(gfx::Bitmap& image) {
    image.Reset(Width(), Height(), gfx::ColorToPixel(gfx::clBtnFace));
    gfx::Painter painter(image);
    for (int i : {kUp, kDown}) {
        const Button& b = buttons_[i];
        DrawPlainButton(painter, b.rect, b.hot, b.pressed);
        DrawArrow(painter, b.rect, ArrowOf(i, orientation_), gfx::clBlack);
    }
}

void TspSkinUpDown::RenderSkinImage(gfx::Bitmap& image) {
    PlaceButtons();
    if (useSkinSize_) {
        TspSkinCustomControl::RenderSkinImage(image);
        RenderSkinButtons(image);
    } else {
        // Without the skin's size the buttons are composed from "resizebutton"; without that
        // section they stay blank.
        image.Reset(Width(), Height(), gfx::ColorToPixel(gfx::clBtnFace));
        RenderResizedButtons(image);
    }
}

}  // namespace controls
