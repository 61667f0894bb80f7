#include "gfx/bitmap.h"

#include <algorithm>

namespace gfx {

Bitmap::Bitmap(int width, int height, Pixel fill) { Reset(width, height, fill); }

void Bitmap::Reset(int width, int height, Pixel fill) {
    ResetForOverwrite(width, height);
    Fill(fill);
}

void Bitmap::ResetForOverwrite(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    if (width_ == 0 || height_ == 0) width_ = height_ = 0;
    pixels_.resize(static_cast<std::size_t>(width_) * height_);
}

void Bitmap::Fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p); }

Pixel Bitmap::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return row(y)[x];
}

void Bitmap::set(int x, int y, Pixel p) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    row(y)[x] = p;
}

Bitmap Bitmap::Copy(const Rect& r) const {
    const Rect part = r.intersected(rect());
    if (part.empty()) return {};
    Bitmap out(part.width(), part.height());
    for (int y = 0; y < part.height(); ++y) {
        const Pixel* src = row(part.top + y) + part.left;
        std::copy(src, src + part.width(), out.row(y));
    }
    return out;
}

Bitmap Bitmap::FlippedVertically() const {
    Bitmap out(width_, height_);
    for (int y = 0; y < height_; ++y) std::copy(row(y), row(y) + width_, out.row(height_ - 1 - y));
    return out;
}

Bitmap Bitmap::RotatedLeft() const {
    Bitmap out(height_, width_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.row(width_ - 1 - x)[y] = row(y)[x];
    return out;
}

Bitmap Bitmap::RotatedRight() const {
    Bitmap out(height_, width_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.row(x)[height_ - 1 - y] = row(y)[x];
    return out;
}

}  // namespace gfx
