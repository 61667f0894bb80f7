#include "platform/progress_bar.h"

#include <algorithm>

namespace platform {

namespace {
constexpr int kBlockWidth = 8;  // a block of the segmented bar, gap included
constexpr int kBlockGap = 2;
}  // namespace

TProgressBar::TProgressBar(Component* owner) : WinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::SetMin(int v) {
    min_ = v;
    Invalidate();
}

void TProgressBar::SetMax(int v) {
    max_ = v;
    Invalidate();
}

void TProgressBar::SetPosition(int v) {
    if (v == position_) return;
    position_ = v;
    Invalidate();
}

void TProgressBar::SetSmooth(bool smooth) {
    smooth_ = smooth;
    Invalidate();
}

int TProgressBar::FilledWidth() const {
    const int inner = std::max(0, Width() - 4);
    if (max_ <= min_) return 0;
    const long long pos = std::clamp(position_, min_, max_) - static_cast<long long>(min_);
    return static_cast<int>(pos * inner / (static_cast<long long>(max_) - min_));
}

void TProgressBar::EraseBackground(gfx::Painter& painter) {
    painter.FillRect(ClientRect(), gfx::ColorToPixel(gfx::clBtnFace));
}

void TProgressBar::Paint(gfx::Painter& painter) {
    const gfx::Rect all = ClientRect();
    painter.Frame3D(all, gfx::ColorToPixel(gfx::clBtnShadow), gfx::ColorToPixel(gfx::clBtnHighlight));
    const gfx::Rect inner = all.shrunk(2, 2);
    const int filled = FilledWidth();
    const gfx::Pixel bar = gfx::ColorToPixel(gfx::clHighlight);
    if (smooth_) {
        painter.FillRect({inner.left, inner.top, inner.left + filled, inner.bottom}, bar);
        return;
    }
    // A block starts at every step left of the filled width, as the classic bar draws them;
    // the last may reach past it, but never past the well.
    for (int x = 0; x < filled; x += kBlockWidth) {
        const int right = std::min(x + kBlockWidth - kBlockGap, inner.width());
        painter.FillRect({inner.left + x, inner.top, inner.left + right, inner.bottom}, bar);
    }
}

}  // namespace platform
