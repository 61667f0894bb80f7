#include "gfx/painter.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace gfx {

namespace {

// Rounds v / 255 to nearest; 255 is odd, so there is never an exact half to break.
[[nodiscard]] constexpr int Div255(int v) { return (v + 127) / 255; }

// Straight-alpha "over": src with coverage alpha (0..255) onto dst.
[[nodiscard]] Pixel Over(Pixel src, Pixel dst, int alpha) {
    if (alpha >= 255) return src | 0xFF000000u;
    if (alpha <= 0) return dst;
    const int inv = 255 - alpha;
    const int r = Div255(PixelR(src) * alpha + PixelR(dst) * inv);
    const int g = Div255(PixelG(src) * alpha + PixelG(dst) * inv);
    const int b = Div255(PixelB(src) * alpha + PixelB(dst) * inv);
    const int a = alpha + Div255(PixelA(dst) * inv);
    return MakePixel(r, g, b, a);
}

// The source index of destination index i when n source pixels cover m destination
// pixels: floor((i + 0.5) * n / m), the centre of each destination pixel sampled.
[[nodiscard]] int NearestSource(int i, int n, int m) { return static_cast<int>(((2LL * i + 1) * n) / (2LL * m)); }

// The nearest-neighbour mapping of one stretch, worked out once per call: the source
// column of every visible destination column (-1 where it falls outside the source) and
// the source row of a destination row.
class StretchMap {
public:
    StretchMap(const Bitmap& src, const Rect& srcRect, const Rect& deviceDst, const Rect& visible)
        : src_(src), srcRect_(srcRect), dst_(deviceDst), first_(visible.left) {
        columns_.resize(static_cast<std::size_t>(visible.width()));
        for (int x = visible.left; x < visible.right; ++x) {
            const int sx = srcRect.left + NearestSource(x - deviceDst.left, srcRect.width(), deviceDst.width());
            const bool inside = sx >= 0 && sx < src.width();
            columns_[static_cast<std::size_t>(x - first_)] = inside ? sx : -1;
            complete_ = complete_ && inside;
        }
    }

    // Whether every visible column has a source column, so that a row writes every pixel.
    [[nodiscard]] bool Complete() const { return complete_; }

    // The source row for device row y, or -1 when it falls outside the source.
    [[nodiscard]] int SourceRow(int y) const {
        const int sy = srcRect_.top + NearestSource(y - dst_.top, srcRect_.height(), dst_.height());
        return (sy >= 0 && sy < src_.height()) ? sy : -1;
    }

    // Calls put(x, pixel) for the columns x0..x1 of a row whose source row is sy.
    template <typename PutFn>
    void ForEachPixel(int sy, int x0, int x1, PutFn&& put) const {
        const Pixel* srcRow = src_.row(sy);
        const int* column = columns_.data() + (x0 - first_);
        for (int x = x0; x < x1; ++x, ++column) {
            if (*column >= 0) put(x, srcRow[*column]);
        }
    }

private:
    const Bitmap& src_;
    Rect srcRect_;
    Rect dst_;
    int first_;
    std::vector<int> columns_;
    bool complete_ = true;
};

}  // namespace

Painter::Painter(Bitmap& target) : target_(&target) { state_.push_back({Point{}, target.rect(), Region{}, false}); }

void Painter::Save() { state_.push_back(state_.back()); }

void Painter::Restore() {
    // The first state belongs to the painter itself; an unmatched Restore leaves it.
    if (state_.size() > 1) state_.pop_back();
}

void Painter::Translate(Point d) { state_.back().translation = state_.back().translation + d; }

void Painter::ClipRect(const Rect& r) {
    State& s = state_.back();
    s.clip.intersect(r.translated(s.translation));
    if (s.hasRegion) s.clipRegion = s.clipRegion.Intersected(s.clip);
}

void Painter::ClipRegion(const Region& region) {
    State& s = state_.back();
    Region device = region.Translated(s.translation).Intersected(s.clip);
    s.clipRegion = s.hasRegion ? s.clipRegion.Intersected(device) : std::move(device);
    s.hasRegion = true;
}

Rect Painter::ClipBounds() const {
    const State& s = state_.back();
    Rect bounds = s.hasRegion ? s.clipRegion.Bounds().intersected(s.clip) : s.clip;
    if (bounds.empty()) return {};
    return bounds.translated(Point{} - s.translation);
}

template <typename SpanFn>
void Painter::ForEachClippedSpan(const Rect& deviceRect, SpanFn&& span) const {
    const State& s = state_.back();
    const Rect r = deviceRect.intersected(s.clip);
    if (r.empty()) return;
    if (!s.hasRegion) {
        for (int y = r.top; y < r.bottom; ++y) span(y, r.left, r.right);
        return;
    }
    // Bands are sorted and disjoint, so bottoms rise with tops: skip straight to the first
    // rectangle that reaches below r's top.
    const std::vector<Rect>& parts = s.clipRegion.Rects();
    auto it =
        std::upper_bound(parts.begin(), parts.end(), r.top, [](int y, const Rect& part) { return y < part.bottom; });
    for (; it != parts.end() && it->top < r.bottom; ++it) {
        const Rect piece = it->intersected(r);
        if (piece.empty()) continue;
        for (int y = piece.top; y < piece.bottom; ++y) span(y, piece.left, piece.right);
    }
}

void Painter::FillRect(const Rect& r, Pixel c) {
    ForEachClippedSpan(r.translated(Translation()),
                       [&](int y, int x0, int x1) { std::fill_n(target_->row(y) + x0, x1 - x0, c); });
}

void Painter::SetPixel(Point p, Pixel c) { FillRect(Rect::from_size(p, {1, 1}), c); }

void Painter::FrameRect(const Rect& r, Pixel c) {
    if (r.empty()) return;
    FillRect({r.left, r.top, r.right, r.top + 1}, c);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, c);
    FillRect({r.left, r.top + 1, r.left + 1, r.bottom - 1}, c);
    FillRect({r.right - 1, r.top + 1, r.right, r.bottom - 1}, c);
}

void Painter::Frame3D(const Rect& r, Pixel topLeft, Pixel bottomRight) {
    if (r.empty()) return;
    // The classic raised look: the top-right corner belongs to the shadow, the
    // bottom-left corner to the light edge.
    FillRect({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillRect({r.left, r.top + 1, r.left + 1, r.bottom}, topLeft);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillRect({r.left + 1, r.bottom - 1, r.right - 1, r.bottom}, bottomRight);
}

void Painter::DrawFocusRect(const Rect& r) {
    if (r.empty()) return;
    // Each outline pixel is visited once, so drawing the outline twice removes it again.
    // The dots sit where (x + y) is even counted from the rectangle's corner, whatever the
    // translation.
    const Point t = Translation();
    auto invertDots = [&](const Rect& line) {
        ForEachClippedSpan(line.translated(t), [&](int y, int x0, int x1) {
            Pixel* row = target_->row(y);
            const int localY = y - t.y - r.top;
            for (int x = x0; x < x1; ++x) {
                if (((x - t.x - r.left) + localY) % 2 == 0) row[x] ^= 0x00FFFFFFu;
            }
        });
    };
    invertDots({r.left, r.top, r.right, r.top + 1});
    if (r.height() > 1) invertDots({r.left, r.bottom - 1, r.right, r.bottom});
    invertDots({r.left, r.top + 1, r.left + 1, r.bottom - 1});
    if (r.width() > 1) invertDots({r.right - 1, r.top + 1, r.right, r.bottom - 1});
}

void Painter::DrawLine(Point a, Point b, Pixel c) {
    if (a == b) return;
    if (a.y == b.y) {
        FillRect({std::min(a.x, b.x + 1), a.y, std::max(a.x + 1, b.x), a.y + 1}, c);
        return;
    }
    if (a.x == b.x) {
        FillRect({a.x, std::min(a.y, b.y + 1), a.x + 1, std::max(a.y + 1, b.y)}, c);
        return;
    }
    // Steps along the longer axis; the other coordinate is the exact one rounded to
    // nearest, with halves rounded back towards a, so a line and its reverse differ only
    // by which end is left out. Only the steps inside the clip along that axis are walked,
    // so far-away end points cost nothing.
    const Rect clip = ClipBounds();
    if (clip.empty()) return;
    const long long dx = static_cast<long long>(b.x) - a.x;
    const long long dy = static_cast<long long>(b.y) - a.y;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const long long steps = alongX ? std::llabs(dx) : std::llabs(dy);
    const long long minor = alongX ? std::llabs(dy) : std::llabs(dx);
    // Keeps 2 * i * minor inside 64 bits; no picture is a billion pixels across.
    if (steps > (1LL << 30)) return;
    const long long majorSign = (alongX ? dx : dy) < 0 ? -1 : 1;
    const long long minorSign = (alongX ? dy : dx) < 0 ? -1 : 1;
    const long long start = alongX ? a.x : a.y;
    const long long low = alongX ? clip.left : clip.top;
    const long long high = alongX ? clip.right : clip.bottom;  // exclusive
    // The steps i with low <= start + i * majorSign < high.
    long long first = majorSign > 0 ? low - start : start - (high - 1);
    long long last = majorSign > 0 ? high - 1 - start : start - low;
    first = std::max(first, 0LL);
    last = std::min(last, steps - 1);
    for (long long i = first; i <= last; ++i) {
        const long long along = start + i * majorSign;
        const long long across = (alongX ? a.y : a.x) + (2 * i * minor + steps - 1) / (2 * steps) * minorSign;
        if (across < INT_MIN || across > INT_MAX) continue;
        const int u = static_cast<int>(along);
        const int v = static_cast<int>(across);
        SetPixel(alongX ? Point{u, v} : Point{v, u}, c);
    }
}

void Painter::Copy(const Bitmap& src, const Rect& srcRect, Point dst) {
    const Rect from = srcRect.intersected(src.rect());
    if (from.empty()) return;
    if (&src == target_) {
        // Copying within the target: take the part out first so no row is read after it
        // has been written.
        Copy(src.Copy(from), Rect::from_size({}, from.size()), dst + (from.top_left() - srcRect.top_left()));
        return;
    }
    // Where the source part lands in device space, and the shift back to the source.
    const Point origin = dst + (from.top_left() - srcRect.top_left()) + Translation();
    const Point toSource = from.top_left() - origin;
    ForEachClippedSpan(Rect::from_size(origin, from.size()), [&](int y, int x0, int x1) {
        std::memcpy(target_->row(y) + x0, src.row(y + toSource.y) + x0 + toSource.x,
                    static_cast<std::size_t>(x1 - x0) * sizeof(Pixel));
    });
}

void Painter::Stretch(const Bitmap& src, const Rect& srcRect, const Rect& dstRect) {
    if (srcRect.empty() || dstRect.empty()) return;
    if (&src == target_) {
        const Bitmap copy = src;
        Stretch(copy, srcRect, dstRect);
        return;
    }
    if (srcRect.size() == dstRect.size()) {
        Copy(src, srcRect, dstRect.top_left());
        return;
    }
    const Rect device = dstRect.translated(Translation());
    const Rect visible = device.intersected(state_.back().clip);
    if (visible.empty()) return;
    const StretchMap map(src, srcRect, device, visible);
    // Enlarging repeats source rows: a row that repeats the span just drawn above it is
    // copied from there instead of being gathered again, when that span left no pixel
    // of the target showing.
    const bool reuseRows = map.Complete();
    int lastY = INT_MIN, lastSy = -1, lastX0 = 0, lastX1 = 0;
    ForEachClippedSpan(device, [&](int y, int x0, int x1) {
        const int sy = map.SourceRow(y);
        if (sy < 0) return;
        Pixel* row = target_->row(y);
        if (reuseRows && y == lastY + 1 && sy == lastSy && x0 == lastX0 && x1 == lastX1) {
            std::memcpy(row + x0, target_->row(y - 1) + x0, static_cast<std::size_t>(x1 - x0) * sizeof(Pixel));
        } else {
            map.ForEachPixel(sy, x0, x1, [row](int x, Pixel p) { row[x] = p; });
        }
        lastY = y;
        lastSy = sy;
        lastX0 = x0;
        lastX1 = x1;
    });
}

void Painter::CopyTransparent(const Bitmap& src, const Rect& srcRect, const Rect& dstRect, Pixel key) {
    if (srcRect.empty() || dstRect.empty()) return;
    if (&src == target_) {
        const Bitmap copy = src;
        CopyTransparent(copy, srcRect, dstRect, key);
        return;
    }
    const Rect device = dstRect.translated(Translation());
    const Rect visible = device.intersected(state_.back().clip);
    if (visible.empty()) return;
    const StretchMap map(src, srcRect, device, visible);
    const Pixel rgbKey = key & 0x00FFFFFFu;
    ForEachClippedSpan(device, [&](int y, int x0, int x1) {
        const int sy = map.SourceRow(y);
        if (sy < 0) return;
        Pixel* row = target_->row(y);
        map.ForEachPixel(sy, x0, x1, [row, rgbKey](int x, Pixel p) {
            if ((p & 0x00FFFFFFu) != rgbKey) row[x] = p;
        });
    });
}

void Painter::BlendCopy(const Bitmap& src, const Rect& srcRect, Point dst, std::uint8_t opacity) {
    const Rect from = srcRect.intersected(src.rect());
    if (from.empty() || opacity == 0) return;
    if (&src == target_) {
        BlendCopy(src.Copy(from), Rect::from_size({}, from.size()), dst + (from.top_left() - srcRect.top_left()),
                  opacity);
        return;
    }
    const Point origin = dst + (from.top_left() - srcRect.top_left()) + Translation();
    const Point toSource = from.top_left() - origin;
    ForEachClippedSpan(Rect::from_size(origin, from.size()), [&](int y, int x0, int x1) {
        Pixel* row = target_->row(y);
        const Pixel* srcRow = src.row(y + toSource.y);
        for (int x = x0; x < x1; ++x) {
            const Pixel p = srcRow[x + toSource.x];
            const int alpha = opacity == 255 ? PixelA(p) : Div255(PixelA(p) * opacity);
            row[x] = Over(p, row[x], alpha);
        }
    });
}

void Painter::DrawCoverage(const std::uint8_t* coverage, int width, int height, int stride, Point dst, Pixel c) {
    if (coverage == nullptr || width <= 0 || height <= 0 || stride < width) return;
    const Point origin = dst + Translation();
    ForEachClippedSpan(Rect::from_size(origin, {width, height}), [&](int y, int x0, int x1) {
        Pixel* row = target_->row(y);
        const std::uint8_t* mask = coverage + static_cast<std::size_t>(y - origin.y) * stride;
        for (int x = x0; x < x1; ++x) row[x] = Over(c, row[x], mask[x - origin.x]);
    });
}

}  // namespace gfx
