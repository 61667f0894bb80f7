#include "platform/label.h"

#include "gfx/text.h"
#include "platform/win_control.h"

namespace platform {

void TLabel::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    Changed();
}

void TLabel::SetFont(gfx::Font font) {
    font_ = std::move(font);
    Changed();
}

void TLabel::SetColor(gfx::Color color) {
    color_ = color;
    Invalidate();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TLabel::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    Changed();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Changed();
}

void TLabel::SetAlignment(platform::Alignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

unsigned TLabel::TextFormat() const {
    unsigned format = wordWrap_ ? unsigned{gfx::dtWordBreak} : 0u;
    if (!ShowAccelChar) format |= gfx::dtNoPrefix;
    if (alignment_ == Alignment::Center) format |= gfx::dtCenter;
    if (alignment_ == Alignment::Right) format |= gfx::dtRight;
    return format | gfx::dtExpandTabs;
}

void TLabel::Changed() {
    if (autoSize_) {
        // A wrapped label keeps its width and grows downwards; a single line fits its text.
        const int width = wordWrap_ ? Width() : 0x3FFFFFFF;
        const gfx::Rect r = gfx::MeasureText(font_, caption_.empty() ? " " : caption_, {0, 0, width, 0}, TextFormat());
        SetBounds(Left(), Top(), wordWrap_ ? Width() : r.width(), r.height());
    }
    Invalidate();
}

void TLabel::Paint(gfx::Painter& painter) {
    if (!transparent_) painter.FillRect(ClientRect(), gfx::ColorToPixel(color_));
    gfx::Font font = font_;
    if (!IsEnabled()) font.FontColor = gfx::clGrayText;
    painter.DrawText(font, caption_, ClientRect(), TextFormat());
}

void TLabel::Click() {
    if (OnClick) OnClick(*this);
}

void TLabel::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(*this);
}

void TLabel::MouseMove(unsigned shift, gfx::Point p) {
    if (OnMouseMove) OnMouseMove(*this, shift, p.x, p.y);
}

}  // namespace platform
