#include "gfx/effects.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "gfx/geometry.h"

namespace gfx {

int RoundReal(double v) {
    const double half = std::floor(v) + 0.5;
    if (std::abs(v - half) < 1e-9) v = half;
    return RoundHalfEven(v);
}

int RoundChannel(double v) { return std::clamp(RoundReal(v), 0, 255); }

namespace {

// NaN counts as 0, so a bad level never leaks into the pixels.
[[nodiscard]] double ClampUnit(double k) {
    if (!(k > 0.0)) return 0.0;
    return k > 1.0 ? 1.0 : k;
}

// Rewrites every pixel of a by f(r, g, b) -> Pixel.
template <typename Fn>
void MapPixels(Bitmap& a, Fn&& f) {
    if (a.empty()) return;
    Pixel* p = a.data();
    Pixel* const end = p + static_cast<std::size_t>(a.width()) * a.height();
    for (; p != end; ++p) *p = f(PixelR(*p), PixelG(*p), PixelB(*p));
}

// The program's linear congruential generator, kept local so gfx needs nothing above it:
// state := state * 134775813 + 1, a draw in 0..n-1 is the high half of state * n.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : state_(seed) {}
    [[nodiscard]] int Next(int n) {
        state_ = state_ * 134775813u + 1u;
        return static_cast<int>((std::uint64_t(state_) * std::uint64_t(n)) >> 32);
    }

private:
    std::uint32_t state_;
};

}  // namespace

void BlendImages(Bitmap& a, const Bitmap& b, double k) {
    if (a.size() != b.size() || a.empty()) return;
    k = ClampUnit(k);
    const double keep = 1.0 - k;
    const Pixel* q = b.data();
    Pixel* p = a.data();
    Pixel* const end = p + static_cast<std::size_t>(a.width()) * a.height();
    for (; p != end; ++p, ++q) {
        *p = MakePixel(RoundChannel(keep * PixelR(*p) + k * PixelR(*q)),
                       RoundChannel(keep * PixelG(*p) + k * PixelG(*q)),
                       RoundChannel(keep * PixelB(*p) + k * PixelB(*q)));
    }
}

void LightenImage(Bitmap& a, double k) {
    k = ClampUnit(k);
    const double keep = 1.0 - k;
    const double add = k * 255.0;
    MapPixels(a, [&](int r, int g, int b) {
        return MakePixel(RoundChannel(keep * r + add), RoundChannel(keep * g + add), RoundChannel(keep * b + add));
    });
}

void DarkenImage(Bitmap& a, double k) {
    const double keep = 1.0 - ClampUnit(k);
    MapPixels(a, [&](int r, int g, int b) {
        return MakePixel(RoundChannel(keep * r), RoundChannel(keep * g), RoundChannel(keep * b));
    });
}

void GrayscaleImage(Bitmap& a) {
    MapPixels(a, [](int r, int g, int b) {
        const int y = RoundChannel(0.299 * r + 0.587 * g + 0.114 * b);
        return MakePixel(y, y, y);
    });
}

void NoiseImage(Bitmap& a, int amount, std::uint32_t seed) {
    if (amount <= 0) {
        MapPixels(a, [](int r, int g, int b) { return MakePixel(r, g, b); });
        return;
    }
    NoiseSource random(seed);
    const int half = amount / 2;
    MapPixels(a, [&](int r, int g, int b) {
        const int d = random.Next(amount) - half;
        return MakePixel(std::clamp(r + d, 0, 255), std::clamp(g + d, 0, 255), std::clamp(b + d, 0, 255));
    });
}

void SplitBlurImage(Bitmap& a, int amount) {
    if (a.empty()) return;
    amount = std::max(amount, 0);
    const Bitmap src = a;
    const int w = a.width();
    const int h = a.height();
    for (int y = 0; y < h; ++y) {
        const Pixel* above = src.row(std::max(y - amount, 0));
        const Pixel* below = src.row(std::min(y + amount, h - 1));
        Pixel* out = a.row(y);
        for (int x = 0; x < w; ++x) {
            const int left = std::max(x - amount, 0);
            const int right = std::min(x + amount, w - 1);
            const Pixel four[4] = {above[left], above[right], below[left], below[right]};
            int r = 0, g = 0, b = 0;
            for (Pixel p : four) {
                r += PixelR(p);
                g += PixelG(p);
                b += PixelB(p);
            }
            out[x] = MakePixel(RoundChannel(r / 4.0), RoundChannel(g / 4.0), RoundChannel(b / 4.0));
        }
    }
}

void InvertImage(Bitmap& a) {
    MapPixels(a, [](int r, int g, int b) { return MakePixel(255 - r, 255 - g, 255 - b); });
}

void ApplyInactiveEffect(Bitmap& a, InactiveEffect effect, std::uint32_t noiseSeed) {
    switch (effect) {
        case InactiveEffect::Brightness:
            LightenImage(a, 0.5);
            return;
        case InactiveEffect::Darkness:
            DarkenImage(a, 0.3);
            return;
        case InactiveEffect::Grayscale:
            GrayscaleImage(a);
            return;
        case InactiveEffect::Noise:
            NoiseImage(a, 50, noiseSeed);
            return;
        case InactiveEffect::SplitBlur:
            SplitBlurImage(a, 1);
            return;
        case InactiveEffect::Invert:
            InvertImage(a);
            return;
    }
    // A value outside the enumeration reads as grayscale, as an unknown skin text does.
    GrayscaleImage(a);
}

Bitmap HalfOpacity(const Bitmap& picture) {
    Bitmap out = picture;
    if (out.empty()) return out;
    Pixel* p = out.data();
    Pixel* const end = p + static_cast<std::size_t>(out.width()) * out.height();
    for (; p != end; ++p) {
        const int alpha = RoundHalfEven(PixelA(*p) / 256.0 * 128.0);
        *p = (*p & 0x00FFFFFFu) | (Pixel(alpha) << 24);
    }
    return out;
}

}  // namespace gfx
