#pragma once

#include <cstdint>

#include "gfx/bitmap.h"

namespace gfx {

// Whole-image colour effects. They treat images as 24-bit pictures: every result pixel is
// opaque. Channels are computed in real numbers, rounded to nearest with halves to even
// and clamped to 0..255.

// Rounds a value computed from decimal levels (0.3, 0.6) to nearest, halves to even. Such
// levels are not exact in binary, so a product that is a half in real numbers (0.7 * 5)
// can land a hair off it; values that close to a half count as the half.
[[nodiscard]] int RoundReal(double v);
// RoundReal clamped to 0..255.
[[nodiscard]] int RoundChannel(double v);

// Mixes b into a: every channel of a becomes round((1 - k) * a + k * b), k clamped to
// 0..1. Images of different sizes leave a as it is.
void BlendImages(Bitmap& a, const Bitmap& b, double k);
// Moves every channel of a towards white: round((1 - k) * a + k * 255), k clamped to 0..1.
void LightenImage(Bitmap& a, double k);
// Moves every channel towards black: round((1 - k) * a), k clamped to 0..1.
void DarkenImage(Bitmap& a, double k);
// Replaces each pixel by its luma round(0.299 R + 0.587 G + 0.114 B) in all channels.
void GrayscaleImage(Bitmap& a);
// Adds to each pixel's three channels one offset drawn uniformly from
// -(amount div 2) .. amount - 1 - (amount div 2); the same seed gives the same noise.
void NoiseImage(Bitmap& a, int amount, std::uint32_t seed);
// Replaces each channel by the mean of the four pixels amount away diagonally (positions
// clamped to the image), so the picture looks split into four faint copies.
void SplitBlurImage(Bitmap& a, int amount);
// Replaces every channel c by 255 - c.
void InvertImage(Bitmap& a);

// How a skinned window frame is dimmed while the window is inactive, in the skin's order.
enum class InactiveEffect : std::uint8_t { Brightness, Darkness, Grayscale, Noise, SplitBlur, Invert };

// Applies an inactive effect with the frame's fixed strengths: brightness 0.5, darkness
// 0.3, noise of amount 50 (drawn from noiseSeed), split blur of 1.
void ApplyInactiveEffect(Bitmap& a, InactiveEffect effect, std::uint32_t noiseSeed);

// The half-transparent copy a disabled picture view draws: colours kept, every alpha a
// becomes round(a / 2), so opaque 255 gives 128 and transparent stays 0.
[[nodiscard]] Bitmap HalfOpacity(const Bitmap& picture);

}  // namespace gfx
