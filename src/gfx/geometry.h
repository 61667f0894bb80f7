#pragma once

#include <algorithm>
#include <cmath>
#include <compare>

namespace gfx {

struct Point {
    int x = 0;
    int y = 0;

    friend constexpr bool operator==(Point, Point) = default;
    [[nodiscard]] constexpr Point translated(Point d) const { return {x + d.x, y + d.y}; }
    [[nodiscard]] constexpr Point operator+(Point d) const { return translated(d); }
    [[nodiscard]] constexpr Point operator-(Point d) const { return {x - d.x, y - d.y}; }
};

struct Size {
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(Size, Size) = default;
    [[nodiscard]] constexpr bool empty() const { return width <= 0 || height <= 0; }
};

// Left, top, right, bottom with right and bottom exclusive. A rectangle whose width or
// height is 0 or less is empty; it is never normalised, because skin data relies on
// seeing exactly the numbers it wrote.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend constexpr bool operator==(const Rect&, const Rect&) = default;

    [[nodiscard]] static constexpr Rect from_size(Point p, Size s) { return {p.x, p.y, p.x + s.width, p.y + s.height}; }
    [[nodiscard]] static constexpr Rect from_size(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

    [[nodiscard]] constexpr int width() const { return right - left; }
    [[nodiscard]] constexpr int height() const { return bottom - top; }
    [[nodiscard]] constexpr Size size() const { return {width(), height()}; }
    [[nodiscard]] constexpr Point top_left() const { return {left, top}; }
    [[nodiscard]] constexpr Point bottom_right() const { return {right, bottom}; }
    [[nodiscard]] constexpr bool empty() const { return width() <= 0 || height() <= 0; }

    [[nodiscard]] constexpr bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    [[nodiscard]] constexpr bool contains(const Rect& r) const {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }
    [[nodiscard]] constexpr bool intersects(const Rect& r) const { return !intersected(r).empty(); }

    [[nodiscard]] constexpr Rect translated(Point d) const {
        return {left + d.x, top + d.y, right + d.x, bottom + d.y};
    }
    [[nodiscard]] constexpr Rect translated(int dx, int dy) const { return translated(Point{dx, dy}); }
    constexpr void translate_by(Point d) { *this = translated(d); }

    // The common part; empty (but possibly with odd coordinates) when they do not meet.
    [[nodiscard]] constexpr Rect intersected(const Rect& r) const {
        return {std::max(left, r.left), std::max(top, r.top), std::min(right, r.right), std::min(bottom, r.bottom)};
    }
    constexpr void intersect(const Rect& r) { *this = intersected(r); }

    // The smallest rectangle holding both; an empty operand contributes nothing.
    [[nodiscard]] constexpr Rect united(const Rect& r) const {
        if (r.empty()) return *this;
        if (empty()) return r;
        return {std::min(left, r.left), std::min(top, r.top), std::max(right, r.right), std::max(bottom, r.bottom)};
    }

    [[nodiscard]] constexpr Rect inflated(int dx, int dy) const {
        return {left - dx, top - dy, right + dx, bottom + dy};
    }
    [[nodiscard]] constexpr Rect shrunk(int dx, int dy) const { return inflated(-dx, -dy); }
};

// Rounds to the nearest integer, halves to even (0.5 -> 0, 1.5 -> 2, -2.5 -> -2): the one
// rounding rule of every computed pixel and channel.
[[nodiscard]] inline int RoundHalfEven(double v) {
    const double floor = std::floor(v);
    const double fraction = v - floor;
    if (fraction > 0.5) return static_cast<int>(floor) + 1;
    if (fraction < 0.5) return static_cast<int>(floor);
    const int f = static_cast<int>(floor);
    return (f % 2 == 0) ? f : f + 1;
}

}  // namespace gfx
