#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "gfx/painter.h"
#include "gfx/png.h"

namespace controls {

// One decoded PNG picture with its alpha, as an image list keeps it: the stream it came
// from (so saving gives back exactly what was loaded), the pixels, and the faded copy a
// disabled control draws, made once when first drawn (most pictures never are).
class TspPngImage {
public:
    // Decodes a PNG stream. Throws gfx::ImageError on damaged data and then stays as it was.
    void LoadFromStream(std::span<const std::uint8_t> stream);
    // The PNG stream of the picture; empty when nothing is loaded.
    [[nodiscard]] const std::vector<std::uint8_t>& SaveToStream() const { return stream_; }

    [[nodiscard]] bool Empty() const { return pixels_.empty(); }
    [[nodiscard]] int Width() const { return pixels_.width(); }
    [[nodiscard]] int Height() const { return pixels_.height(); }
    // The decoded pixels, straight alpha.
    [[nodiscard]] const gfx::Bitmap& Pixels() const { return pixels_; }
    // The half-transparent copy drawn for a disabled control.
    [[nodiscard]] const gfx::Bitmap& DisabledPixels() const;
    // How the stream stored its colours and transparency.
    [[nodiscard]] const gfx::PngFormat& Format() const { return format_; }

    // Blends the picture (or its faded copy) over dest, scaled to it when the sizes differ.
    void Draw(gfx::Painter& painter, const gfx::Rect& dest, bool enabled) const;

    friend bool operator==(const TspPngImage& a, const TspPngImage& b) { return a.stream_ == b.stream_; }

private:
    std::vector<std::uint8_t> stream_;
    gfx::Bitmap pixels_;
    mutable std::optional<gfx::Bitmap> disabled_;
    gfx::PngFormat format_;
};

// The faded copy of a decoded picture: every alpha halved (rounded, halves to even), so an
// opaque pixel gives 128; a grey or palette picture that stored no alpha of its own gives its
// opaque pixels 127 instead. Pixels of a transparent colour stay fully transparent.
[[nodiscard]] gfx::Bitmap DisabledPicture(const gfx::Bitmap& pixels, const gfx::PngFormat& format);

}  // namespace controls
