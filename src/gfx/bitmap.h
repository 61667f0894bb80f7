#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#include "gfx/geometry.h"

namespace gfx {

// 0xAARRGGBB; in memory the bytes are B, G, R, A (the BMP order and SDL's ARGB8888).
using Pixel = std::uint32_t;

[[nodiscard]] constexpr Pixel MakePixel(int r, int g, int b, int a = 255) {
    return (Pixel(a & 0xFF) << 24) | (Pixel(r & 0xFF) << 16) | (Pixel(g & 0xFF) << 8) | Pixel(b & 0xFF);
}
[[nodiscard]] constexpr int PixelA(Pixel p) { return int(p >> 24); }
[[nodiscard]] constexpr int PixelR(Pixel p) { return int((p >> 16) & 0xFF); }
[[nodiscard]] constexpr int PixelG(Pixel p) { return int((p >> 8) & 0xFF); }
[[nodiscard]] constexpr int PixelB(Pixel p) { return int(p & 0xFF); }
// The same colour, alpha forced opaque: what equality means for pictures without alpha.
[[nodiscard]] constexpr Pixel Opaque(Pixel p) { return p | 0xFF000000u; }

// An allocator whose vectors leave new elements uninitialised when they grow without a value,
// so that Bitmap::ResetForOverwrite does not pay for filling pixels that are written next.
// Growing with a value (assign, resize with fill) still sets every element.
template <class T>
struct OverwriteAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = OverwriteAllocator<U>;
    };
    OverwriteAllocator() = default;
    template <class U>
    OverwriteAllocator(const OverwriteAllocator<U>&) noexcept {}

    // Default-initialises: for pixels, that leaves the memory as it is.
    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    // Constructs from the arguments, as std::allocator does.
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// A width x height image of 32-bit pixels, rows top to bottom with no padding. A bitmap
// with no pixels is empty; every operation accepts it.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Pixel fill = 0xFF000000u);
    explicit Bitmap(Size size, Pixel fill = 0xFF000000u) : Bitmap(size.width, size.height, fill) {}

    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }
    [[nodiscard]] Size size() const { return {width_, height_}; }
    [[nodiscard]] Rect rect() const { return {0, 0, width_, height_}; }
    [[nodiscard]] bool empty() const { return width_ <= 0 || height_ <= 0; }

    // Unchecked access: callers must stay inside rect().
    [[nodiscard]] Pixel* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    [[nodiscard]] const Pixel* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    [[nodiscard]] Pixel* data() { return pixels_.data(); }
    [[nodiscard]] const Pixel* data() const { return pixels_.data(); }

    // Checked access: reads outside give 0, writes outside are dropped.
    [[nodiscard]] Pixel at(int x, int y) const;
    void set(int x, int y, Pixel p);

    // Resizes; the content is lost and every pixel becomes fill.
    void Reset(int width, int height, Pixel fill = 0xFF000000u);
    // Resizes without setting the pixels, for a decoder that writes every one of them next:
    // until then their values are unspecified and must not be read.
    void ResetForOverwrite(int width, int height);
    void Fill(Pixel p);

    // The part of this bitmap under r (clipped to the bitmap); empty when they do not meet.
    [[nodiscard]] Bitmap Copy(const Rect& r) const;
    [[nodiscard]] Bitmap FlippedVertically() const;
    // Rotated by 90 degrees counter-clockwise (the first column becomes the last row).
    [[nodiscard]] Bitmap RotatedLeft() const;
    // Rotated by 90 degrees clockwise (the first row becomes the last column).
    [[nodiscard]] Bitmap RotatedRight() const;

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel, OverwriteAllocator<Pixel>> pixels_;
};

}  // namespace gfx
