#include "controls/ranges/arrow_button.h"
#include "controls/text/skin_edit.h"
#include "gfx/painter.h"
#include "gfx/text.h"
#include "skin/compose/three_part.h"
#include "skin/records/data_skin_control_text.h"

namespace controls {

namespace {

constexpr unsigned kLineFormat = gfx::dtSingleLine | gfx::dtNoPrefix | gfx::dtNoClip;

}  // namespace

void TspSkinEdit::RenderSkinBorder(gfx::Bitmap& image) const {
    if (!SkinPicture()) return;
    const skin::TspDataSkinEditControl& s = *section_;
    const bool active = pointerInside_ || Focused();
    const gfx::Rect source = active && !s.ActiveSkinRect.empty() ? s.ActiveSkinRect : s.SkinRect;
    gfx::Bitmap strip;
    skin::ComposeHorzImage(strip, *SkinPicture(), source, s.LeftTopPoint.x, s.SkinRect.width() - s.RightTopPoint.x,
                           Width(), s.StretchEffect);
    gfx::Painter painter(image);
    const int h = strip.height();
    if (Height() == h) {
        painter.Copy(strip, strip.rect(), {0, 0});
        return;
    }
    // A font of its own makes the edit higher or lower than the picture: the top and bottom
    // borders keep their rows and the band between them stretches to the client height.
    const int top = s.ClientRect.top;
    const int bottom = h - s.ClientRect.bottom;
    painter.Copy(strip, {0, 0, Width(), top}, {0, 0});
    painter.Copy(strip, {0, h - bottom, Width(), h}, {0, Height() - bottom});
    painter.Stretch(strip, {0, top, Width(), h - bottom}, {0, top, Width(), Height() - bottom});
}

void TspSkinEdit::RenderDefaultBorder(gfx::Bitmap& image) const {
    gfx::Painter painter(image);
    painter.FillRect(image.rect(), gfx::ColorToPixel(defaultColor_));
    painter.FrameRect(image.rect(), gfx::ColorToPixel(gfx::clBtnShadow));
    painter.FrameRect(image.rect().shrunk(1, 1), gfx::ColorToPixel(gfx::clBtnFace));
}

void TspSkinEdit::RenderButton(gfx::Bitmap& image) const {
    const gfx::Rect r = ButtonRect();
    if (r.empty()) return;
    gfx::Painter painter(image);
    if (!section_ || !SkinPicture()) {
        DrawPlainButton(painter, r, buttonHot_, buttonPressed_);
        return;
    }
    gfx::Rect source;
    if (!IsEnabled() && !section_->UnEnabledButtonRect.empty())
        source = section_->UnEnabledButtonRect;
    else if (buttonHot_ && buttonPressed_)
        source = section_->DownButtonRect.empty() ? section_->ActiveButtonRect : section_->DownButtonRect;
    else if (buttonHot_)
        source = section_->ActiveButtonRect;
    // Otherwise the border picture already shows the button.
    if (!source.empty()) painter.Copy(*SkinPicture(), source, r.top_left());
}

void TspSkinEdit::RenderText(gfx::Bitmap& image) const {
    const gfx::Rect area = TextArea();
    if (area.empty()) return;
    gfx::Painter painter(image);
    painter.ClipRect(area);
    const gfx::Font font = TextFont();
    const int cell = gfx::TextHeight(font);
    const int y = area.top + (area.height() - cell) / 2;
    const std::string text = editor_.Text();
    if (!IsEnabled()) {
        const int width = gfx::TextWidth(font, text);
        int x = area.left + 2;
        if (alignment_ == skin::TspAlignment::Right)
            x = area.right - width - 1;
        else if (alignment_ == skin::TspAlignment::Center)
            x = area.left + (area.width() - width) / 2;
        painter.DrawText(font, text, gfx::Rect::from_size(x, y, width + 1, cell), kLineFormat);
        return;
    }
    const auto measure = [this](std::u32string_view t) { return MeasureChars(t); };
    const int origin = TextOrigin();
    const gfx::Rect line{origin - editor_.ScrollOffset(), y, area.right + measure(editor_.Chars()), y + cell};
    painter.DrawText(font, text, line, kLineFormat);
    if (editor_.HasSelection() && (Focused() || !hideSelection_)) {
        const int from = origin + editor_.XOf(editor_.SelStart(), measure);
        const int to = origin + editor_.XOf(editor_.SelStart() + editor_.SelLength(), measure);
        const gfx::Rect band{from, y, to, y + cell};
        gfx::PainterSaver saver(painter);
        painter.ClipRect(band);
        painter.FillRect(band, gfx::ColorToPixel(gfx::clHighlight));
        painter.DrawText(font, text, line, kLineFormat, gfx::ColorToPixel(gfx::clHighlightText));
    }
    if (CaretShown()) {
        const int x = origin + editor_.XOf(editor_.Caret(), measure);
        painter.FillRect({x, y, x + 1, y + cell}, gfx::ColorToPixel(font.FontColor));
    }
}

void TspSkinEdit::RenderSkinImage(gfx::Bitmap& image) {
    if (!section_) {
        // A section of another kind: the edit keeps its plain look.
        RenderDefaultImage(image);
        return;
    }
    RenderSkinBorder(image);
    if (buttonMode_) RenderButton(image);
    RenderText(image);
}

void TspSkinEdit::RenderDefaultImage(gfx::Bitmap& image) {
    RenderDefaultBorder(image);
    if (buttonMode_) RenderButton(image);
    RenderText(image);
}

}  // namespace controls
