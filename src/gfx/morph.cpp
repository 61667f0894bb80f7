#include "gfx/morph.h"

#include <algorithm>
#include <vector>

#include "gfx/effects.h"
#include "gfx/geometry.h"

namespace gfx {

namespace {

[[nodiscard]] double ClampLevel(double level) {
    if (!(level > 0.0)) return 0.0;
    return level > 1.0 ? 1.0 : level;
}

// The weight of active in a column the band has not reached: counted outwards from the
// band (distance 1 is next to it), side columns fade from nearly level down to
// level / (side + 1) at the picture's edge.
[[nodiscard]] double SideWeight(double level, int distance, int side) {
    return level * (side - distance + 1) / (side + 1);
}

// Mixes normal and active column by column; the band [from, to) shows active alone.
Bitmap GradientWipe(const Bitmap& normal, const Bitmap& active, int from, int to, double level) {
    const int w = normal.width();
    std::vector<double> k(static_cast<std::size_t>(w), 1.0);
    for (int x = 0; x < from; ++x) k[static_cast<std::size_t>(x)] = SideWeight(level, from - x, from);
    for (int x = to; x < w; ++x) k[static_cast<std::size_t>(x)] = SideWeight(level, x - to + 1, w - to);

    Bitmap out(normal.size());
    for (int y = 0; y < out.height(); ++y) {
        const Pixel* n = normal.row(y);
        const Pixel* a = active.row(y);
        Pixel* o = out.row(y);
        for (int x = 0; x < w; ++x) {
            const double ka = k[static_cast<std::size_t>(x)];
            const double kn = 1.0 - ka;
            o[x] = MakePixel(RoundChannel(kn * PixelR(n[x]) + ka * PixelR(a[x])),
                             RoundChannel(kn * PixelG(n[x]) + ka * PixelG(a[x])),
                             RoundChannel(kn * PixelB(n[x]) + ka * PixelB(a[x])));
        }
    }
    return out;
}

// Copies columns [srcX, srcX + count) of src, made opaque, to columns from dstX of out.
void CopyColumns(Bitmap& out, const Bitmap& src, int srcX, int dstX, int count) {
    if (count <= 0) return;
    for (int y = 0; y < out.height(); ++y) {
        const Pixel* s = src.row(y) + srcX;
        Pixel* d = out.row(y) + dstX;
        for (int i = 0; i < count; ++i) d[i] = Opaque(s[i]);
    }
}

}  // namespace

Bitmap Morph(const Bitmap& normal, const Bitmap& active, double level, MorphKind kind) {
    if (normal.size() != active.size() || normal.empty()) return normal;
    level = ClampLevel(level);
    const int w = normal.width();
    const int e = std::clamp(RoundReal(w * level), 0, w);

    Bitmap out(normal.size());
    switch (kind) {
        case MorphKind::Gradient: {
            const int from = (w - e) / 2;
            return GradientWipe(normal, active, from, from + e, level);
        }
        case MorphKind::LeftGradient:
            return GradientWipe(normal, active, 0, e, level);
        case MorphKind::RightGradient:
            return GradientWipe(normal, active, w - e, w, level);
        case MorphKind::LeftSlide:
            CopyColumns(out, active, w - e, 0, e);
            CopyColumns(out, normal, e, e, w - e);
            return out;
        case MorphKind::RightSlide:
            CopyColumns(out, normal, 0, 0, w - e);
            CopyColumns(out, active, 0, w - e, e);
            return out;
        case MorphKind::Push:
            CopyColumns(out, active, w - e, 0, e);
            CopyColumns(out, normal, 0, e, w - e);
            return out;
        case MorphKind::Default:
            break;
    }
    out = normal;
    BlendImages(out, active, level);
    return out;
}

}  // namespace gfx
