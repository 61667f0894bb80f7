#include "controls/buttons/skin_button.h"
#include "gfx/colour.h"
#include "skin/compose/frame_image.h"
#include "skin/compose/skin_geometry.h"

namespace controls {

namespace {

// The built-in look's colours, in the skin's 0x00BBGGRR order.
constexpr gfx::Color kNavy = 0x800000;
constexpr gfx::Color kDownFill = 0xB59385;
constexpr gfx::Color kHotFill = 0xD2BDB6;

}  // namespace

bool TspSkinButton::ImageListUsable() const {
    return imageList_ && imageIndex_ >= 0 && imageIndex_ < imageList_->Count();
}

void TspSkinButton::RenderSkinImage(gfx::Bitmap& image) {
    const bool enabled = IsEnabled();
    const gfx::Rect skinRect = Geometry().SkinRect;
    const bool animForward = animTimer_.Running() && animForward_ && animFrame_ > 0;
    const bool animBackward = animTimer_.Running() && !animForward_ && animFrame_ > 0;
    const gfx::Rect activeRect = animForward ? AnimationFrameRect(animFrame_) : look_.ActiveRect;
    const gfx::Rect normalRect = animBackward ? AnimationFrameRect(animFrame_) : skinRect;
    const double level = fader_.Level();

    if (MorphEnabled() && level > 0 && level < 1 && enabled) {
        DrawState(normalImage_, normalRect, false, false);
        DrawState(activeImage_, activeRect, true, false);
        image = MorphPictures(normalImage_, activeImage_, level, look_.MorphKind);
        return;
    }
    if (!enabled && !look_.DisabledRect.empty()) {
        DrawState(image, look_.DisabledRect, false, false);
    } else if (ShowsDown()) {
        DrawState(image, look_.DownRect, true, true);
    } else if (FocusedLook() && !look_.FocusedRect.empty() && !animTimer_.Running()) {
        DrawState(image, look_.FocusedRect, true, false);
    } else if (FocusedLook() || PointerInside()) {
        DrawState(image, activeRect, true, false);
    } else if (!MorphEnabled() || level != 1) {
        DrawState(image, normalRect, false, false);
    } else {
        DrawState(image, activeRect, true, false);
    }
}

void TspSkinButton::DrawStateBackground(gfx::Bitmap& image, const gfx::Rect& source) {
    if (useSkinSize_ || ResizeMode() == skin::ResizeMode::Both) {
        TspSkinCustomControl::RenderSkinImage(image, source);
        return;
    }
    image.Reset(Width(), Height());
    const gfx::Bitmap* picture = SkinPicture();
    if (!picture) return;
    if (ResizeMode() == skin::ResizeMode::Fixed) {
        gfx::Painter(image).Stretch(*picture, source, image.rect());
        return;
    }
    const skin::SkinGeometry g = skin::StretchedAroundClient(Geometry());
    gfx::Size size = image.size();
    const skin::ResizedGeometry r = skin::FitSkinSize(g, skin::ResizeMode::Both, size);
    skin::ComposeFrameImage(image, *picture, source, g, r, image.width(), image.height(), true);
}

void TspSkinButton::DrawState(gfx::Bitmap& image, const gfx::Rect& source, bool active, bool down) {
    DrawStateBackground(image, source);
    const bool enabled = IsEnabled();
    gfx::Color colour = look_.FontColor;
    if (enabled && !UseSkinFontColor) {
        colour = DefaultFont().FontColor;
    } else if (!enabled) {
        colour = look_.DisabledFontColor;
    } else if (active && down) {
        colour = look_.DownFontColor;
    } else if (active) {
        colour = look_.ActiveFontColor;
    }
    gfx::Rect textArea = ResizedClientRect();
    if (!useSkinSize_) {
        textArea = Geometry().ClientRect;
        textArea.right += image.width() - source.width();
        textArea.bottom += image.height() - source.height();
    }
    gfx::Painter painter(image);
    if (look_.ShowFocus && Focused()) painter.DrawFocusRect(textArea);
    DrawGlyphAndCaption(painter, textArea, ControlFont(look_.Font), gfx::ColorToPixel(colour), active, down);
}

void TspSkinButton::DrawGlyphAndCaption(gfx::Painter& painter, const gfx::Rect& textArea, const gfx::Font& font,
                                        gfx::Pixel colour, bool active, bool down) {
    if (ImageListUsable()) {
        const GlyphAndText layout =
            LayoutGlyphAndText(textArea, {imageList_->Width(), imageList_->Height()}, caption_, font, placement_, down);
        DrawLayoutCaption(painter, layout, caption_, font, colour);
        imageList_->Draw(painter, imageIndex_, layout.Glyph.x, layout.Glyph.y, IsEnabled());
        return;
    }
    const gfx::Rect cell = GlyphCellRect(glyph_, numGlyphs_, GlyphCell(numGlyphs_, IsEnabled(), active, down));
    const GlyphAndText layout = LayoutGlyphAndText(textArea, cell.size(), caption_, font, placement_, down);
    DrawLayoutCaption(painter, layout, caption_, font, colour);
    DrawTransparentGlyph(painter, glyph_, cell, layout.Glyph);
}

void TspSkinButton::RenderDefaultImage(gfx::Bitmap& image) {
    gfx::Painter painter(image);
    const gfx::Rect r = image.rect();
    const bool down = ShowsDown();
    if (down) {
        painter.FillRect(r, gfx::ColorToPixel(kDownFill));
        painter.FrameRect(r, gfx::ColorToPixel(kNavy));
    } else if (PointerInside() || FocusedLook()) {
        painter.FillRect(r, gfx::ColorToPixel(kHotFill));
        painter.FrameRect(r, gfx::ColorToPixel(kNavy));
    } else {
        painter.FillRect(r, gfx::ColorToPixel(gfx::clBtnFace));
        painter.FrameRect(r, gfx::ColorToPixel(gfx::clBtnShadow));
    }
    const gfx::Font& font = DefaultFont();
    const gfx::Pixel colour = gfx::ColorToPixel(IsEnabled() ? font.FontColor : gfx::clBtnShadow);
    const gfx::Rect cell =
        GlyphCellRect(glyph_, numGlyphs_, GlyphCell(numGlyphs_, IsEnabled(), PointerInside(), down_));
    const bool useList = ImageListUsable();
    const gfx::Size glyphSize = useList ? gfx::Size{imageList_->Width(), imageList_->Height()} : cell.size();
    const GlyphAndText layout = LayoutGlyphAndText(r, glyphSize, caption_, font, placement_, down);
    DrawLayoutCaption(painter, layout, caption_, font, colour);
    if (useList) {
        imageList_->Draw(painter, imageIndex_, layout.Glyph.x, layout.Glyph.y, IsEnabled());
    } else {
        DrawTransparentGlyph(painter, glyph_, cell, layout.Glyph);
    }
}

}  // namespace controls
