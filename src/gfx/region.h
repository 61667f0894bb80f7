#pragma once

#include <span>
#include <vector>

#include "gfx/geometry.h"

namespace gfx {

// A set of pixels held as non-overlapping rectangles, sorted by top then left. Used for
// window outlines (from skin masks) and for clipping. Building one from a run list of any
// length is fine: the list grows as needed.
class Region {
public:
    Region() = default;
    explicit Region(const Rect& r);
    [[nodiscard]] static Region FromRects(std::span<const Rect> rects);

    [[nodiscard]] bool IsEmpty() const { return rects_.empty(); }
    [[nodiscard]] const std::vector<Rect>& Rects() const { return rects_; }
    [[nodiscard]] Rect Bounds() const;
    [[nodiscard]] bool Contains(Point p) const;

    void Unite(const Rect& r);
    void Unite(const Region& other);
    [[nodiscard]] Region Intersected(const Rect& r) const;
    [[nodiscard]] Region Intersected(const Region& other) const;
    void Translate(Point d);
    [[nodiscard]] Region Translated(Point d) const;

    friend bool operator==(const Region&, const Region&) = default;

private:
    std::vector<Rect> rects_;
};

}  // namespace gfx
