#pragma once

#include <span>
#include <vector>

#include "gfx/geometry.h"

namespace gfx {

// A set of pixels held as non-overlapping rectangles in bands: sorted by top then left,
// rectangles of one band share top and bottom, and touching bands with the same spans are
// merged, so two regions covering the same pixels compare equal. Used for window outlines
// (from skin masks) and for clipping. Building one from a run list of any length is fine:
// FromRects sorts once and sweeps; Unite with one rectangle rebuilds only the bands it
// touches, so adding a mask's runs one by one, row after row, is cheap as well.
class Region {
public:
    Region() = default;
    // The region of one rectangle; empty when the rectangle is.
    explicit Region(const Rect& r);
    // The union of any rectangles, overlapping or not; empty ones add nothing.
    [[nodiscard]] static Region FromRects(std::span<const Rect> rects);

    // True when the region holds no pixel.
    [[nodiscard]] bool IsEmpty() const { return rects_.empty(); }
    // The rectangles in band order.
    [[nodiscard]] const std::vector<Rect>& Rects() const { return rects_; }
    // The smallest rectangle holding every pixel; empty for an empty region.
    [[nodiscard]] Rect Bounds() const;
    // Whether pixel p belongs to the region.
    [[nodiscard]] bool Contains(Point p) const;

    // Adds the pixels of r.
    void Unite(const Rect& r);
    // Adds the pixels of other.
    void Unite(const Region& other);
    // The pixels that also lie in r.
    [[nodiscard]] Region Intersected(const Rect& r) const;
    // The pixels that also lie in other.
    [[nodiscard]] Region Intersected(const Region& other) const;
    // Moves every pixel by d.
    void Translate(Point d);
    // A copy moved by d.
    [[nodiscard]] Region Translated(Point d) const;

    friend bool operator==(const Region&, const Region&) = default;

private:
    std::vector<Rect> rects_;
};

}  // namespace gfx
