#include "controls/images/png_image.h"

#include "gfx/effects.h"

namespace controls {

void TspPngImage::LoadFromStream(std::span<const std::uint8_t> stream) {
    gfx::PngFormat format;
    gfx::Bitmap pixels = gfx::ReadPng(stream, format);
    stream_.assign(stream.begin(), stream.end());
    pixels_ = std::move(pixels);
    disabled_.reset();
    format_ = format;
}

const gfx::Bitmap& TspPngImage::DisabledPixels() const {
    if (!disabled_) disabled_ = DisabledPicture(pixels_, format_);
    return *disabled_;
}

void TspPngImage::Draw(gfx::Painter& painter, const gfx::Rect& dest, bool enabled) const {
    const gfx::Bitmap& picture = enabled ? pixels_ : DisabledPixels();
    if (picture.empty() || dest.empty()) return;
    if (picture.size() == dest.size()) {
        painter.BlendCopy(picture, picture.rect(), dest.top_left());
        return;
    }
    // Stretching copies pixels with their alpha, so the scaled copy is then blended as one.
    gfx::Bitmap scaled(dest.size(), 0);
    gfx::Painter(scaled).Stretch(picture, picture.rect(), scaled.rect());
    painter.BlendCopy(scaled, scaled.rect(), dest.top_left());
}

gfx::Bitmap DisabledPicture(const gfx::Bitmap& pixels, const gfx::PngFormat& format) {
    gfx::Bitmap faded = gfx::HalfOpacity(pixels);
    // A grey or palette picture without stored alpha gets a made-up channel of 127, not the
    // 128 that halving an opaque 255 gives; its transparent colour stays at 0.
    const bool madeUpAlpha = !format.alphaChannel && format.colour != gfx::PngColour::TrueColour;
    if (!madeUpAlpha || faded.empty()) return faded;
    const gfx::Pixel* source = pixels.data();
    gfx::Pixel* out = faded.data();
    const std::size_t count = static_cast<std::size_t>(faded.width()) * faded.height();
    for (std::size_t i = 0; i < count; ++i) {
        if (gfx::PixelA(source[i]) == 255) out[i] = (out[i] & 0x00FFFFFFu) | (gfx::Pixel{127} << 24);
    }
    return faded;
}

}  // namespace controls
