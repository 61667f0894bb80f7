#include "controls/buttons/check_radio_box.h"
#include "gfx/effects.h"
#include "gfx/text.h"

namespace controls {

namespace {

constexpr gfx::Color kNavy = 0x800000;  // 0x00BBGGRR
constexpr unsigned kSingleLine = gfx::dtSingleLine | gfx::dtVCenter | gfx::dtLeft;
constexpr unsigned kWrapped = gfx::dtWordBreak | gfx::dtExpandTabs | gfx::dtLeft;

}  // namespace

bool TspSkinCheckRadioBox::ImageShown() const { return images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count(); }

gfx::Bitmap TspSkinCheckRadioBox::CheckImage() const {
    const gfx::Bitmap* picture = SkinPicture();
    if (!picture) return {};
    const bool enabled = IsEnabled();
    const bool hot = enabled && PointerInside();
    const bool grayed = state_ == TCheckBoxState::cbGrayed;
    const bool marked = checked_ || grayed;
    gfx::Rect rect;
    if (!enabled) {
        rect = marked ? look_.UnEnabledCheckImageRect : look_.UnEnabledUnCheckImageRect;
    } else if (hot) {
        rect = marked ? look_.ActiveCheckImageRect : look_.ActiveUnCheckImageRect;
    } else {
        rect = marked ? look_.CheckImageRect : look_.UnCheckImageRect;
    }
    if (!grayed) return picture->Copy(rect);
    if (look_.GrayedCheckImageRect.empty()) {
        gfx::Bitmap image = picture->Copy(rect);
        gfx::LightenImage(image, 0.5);
        return image;
    }
    const bool activeGrayed = PointerInside() && !look_.ActiveGrayedCheckImageRect.empty();
    return picture->Copy(activeGrayed ? look_.ActiveGrayedCheckImageRect : look_.GrayedCheckImageRect);
}

void TspSkinCheckRadioBox::DrawCheckImage(gfx::Painter& painter, gfx::Point at) const {
    const gfx::Bitmap image = CheckImage();
    if (image.empty()) return;
    painter.CopyTransparent(image, image.rect(), gfx::Rect::from_size(at, image.size()),
                            image.at(0, image.height() - 1));
}

void TspSkinCheckRadioBox::RenderSkinImage(gfx::Bitmap& image) {
    if (flat_) {
        PaintFlat(image);
        return;
    }
    const double level = fader_.Level();
    if (MorphEnabled() && level > 0 && level < 1) {
        PaintPicture(normalImage_, Geometry().SkinRect, false);
        PaintPicture(activeImage_, look_.ActiveSkinRect, true);
        image = MorphPictures(normalImage_, activeImage_, level, look_.MorphKind);
        return;
    }
    if (LooksHot()) {
        PaintPicture(image, look_.ActiveSkinRect, true);
    } else {
        PaintPicture(image, Geometry().SkinRect, false);
    }
}

void TspSkinCheckRadioBox::PaintPicture(gfx::Bitmap& image, const gfx::Rect& source, bool active) {
    TspSkinCustomControl::RenderSkinImage(image, source);
    gfx::Painter painter(image);
    DrawCheckImage(painter, checkPosition_);
    gfx::Color colour = active ? look_.ActiveFontColor : look_.FontColor;
    if (!IsEnabled()) colour = look_.UnEnabledFontColor;
    painter.DrawText(ControlFont(look_.Font), caption_, textArea_, kSingleLine, gfx::ColorToPixel(colour));
}

void TspSkinCheckRadioBox::PaintFlat(gfx::Bitmap& image) {
    platform::CaptureParentImage(*this, image);
    gfx::Painter painter(image);
    const int h = Height();
    DrawCheckImage(painter, {3, h / 2 - look_.CheckImageRect.height() / 2});
    gfx::Color colour = IsEnabled() ? look_.FrameFontColor : look_.UnEnabledFontColor;
    if (!UseSkinFontColor) colour = DefaultFont().FontColor;
    PaintFlatCaption(painter, look_.CheckImageRect.width() + 7, ControlFont(look_.Font), gfx::ColorToPixel(colour));
}

void TspSkinCheckRadioBox::PaintFlatCaption(gfx::Painter& painter, int x, const gfx::Font& font, gfx::Pixel colour) {
    const int w = Width();
    const int h = Height();
    const bool image = ImageShown();
    // The skinned box leaves 8 pixels after its picture, the built-in one 5.
    const int imageGap = HasSection() ? 8 : 5;
    gfx::Rect text;
    gfx::Rect picture;
    if (wordWrap_) {
        const int left = x + (image ? images_->Width() : 0);
        const gfx::Rect measured = gfx::MeasureText(font, caption_, {left, 0, w, h}, kWrapped);
        text =
            gfx::Rect::from_size(left, std::max(0, h / 2 - measured.height() / 2), measured.width(), measured.height());
        if (image)
            picture = gfx::Rect::from_size(x, h / 2 - images_->Height() / 2, images_->Width(), images_->Height());
    } else {
        const gfx::Rect measured = gfx::MeasureText(font, caption_, {0, 0, w, h}, gfx::dtSingleLine);
        text = gfx::Rect::from_size(x, h / 2 - measured.height() / 2, measured.width(), measured.height());
        if (image) {
            picture = gfx::Rect::from_size(x, h / 2 - images_->Height() / 2, images_->Width(), images_->Height());
            text = text.translated(images_->Width() + imageGap, 0);
        }
        text.right = std::min(text.right, w - 2);
    }
    if (image) images_->Draw(painter, imageIndex_, picture.left, picture.top, IsEnabled());
    painter.DrawText(font, caption_, text, wordWrap_ ? kWrapped : kSingleLine, colour);
    if (!Focused() || !canFocused_) return;
    if (!caption_.empty()) {
        gfx::Rect focus = text.inflated(2, 1);
        if (!wordWrap_) focus.right += 1;
        painter.DrawFocusRect(focus);
    } else if (image) {
        painter.DrawFocusRect(picture.inflated(1, 1));
    }
}

void TspSkinCheckRadioBox::RenderDefaultImage(gfx::Bitmap& image) {
    const int w = Width();
    const int h = Height();
    const bool enabled = IsEnabled();
    const gfx::Pixel shadow = gfx::ColorToPixel(gfx::clBtnShadow);
    const gfx::Pixel textColour = enabled ? gfx::ColorToPixel(DefaultFont().FontColor) : shadow;
    if (flat_) {
        platform::CaptureParentImage(*this, image);
    } else {
        image.Fill(gfx::ColorToPixel(gfx::clBtnFace));
    }
    gfx::Painter painter(image);
    if (!flat_ && ((canFocused_ && Focused()) || PointerInside())) painter.FrameRect(image.rect(), shadow);
    const gfx::Pixel squareColour = PointerInside() ? gfx::ColorToPixel(kNavy) : shadow;
    painter.FrameRect({3, h / 2 - 7, 17, h / 2 + 7}, squareColour);
    PaintDefaultMark(painter, h);
    if (flat_) {
        PaintFlatCaption(painter, 22, DefaultFont(), textColour);
    } else {
        painter.DrawText(DefaultFont(), caption_, {19, 0, w, h}, kSingleLine, textColour);
    }
}

void TspSkinCheckRadioBox::PaintDefaultMark(gfx::Painter& painter, int h) const {
    const int y = h / 2 - 4;
    const auto checkMark = [&](gfx::Pixel c) {
        for (int i = 0; i < 3; ++i) {
            painter.DrawLine({7, y + 5 - i}, {9, y + 7 - i}, c);
            painter.DrawLine({9, y + 7 - i}, {14, y + 2 - i}, c);
        }
    };
    const gfx::Pixel markColour = gfx::ColorToPixel(IsEnabled() ? gfx::clBlack : gfx::clBtnShadow);
    if (state_ == TCheckBoxState::cbGrayed && !radio_) {
        checkMark(gfx::ColorToPixel(gfx::clGrayText));
    } else if (checked_ && radio_) {
        painter.FillRect(gfx::Rect::from_size(7, h / 2 - 3, 6, 6), markColour);
    } else if (checked_) {
        checkMark(markColour);
    }
}

}  // namespace controls
