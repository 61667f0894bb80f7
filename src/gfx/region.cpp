#include "gfx/region.h"

#include <algorithm>

namespace gfx {

namespace {

struct Span {
    int left;
    int right;
    friend bool operator==(const Span&, const Span&) = default;
};

// Sorts spans and merges those that overlap or touch.
void MergeSpans(std::vector<Span>& spans) {
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
    std::size_t out = 0;
    for (const Span& s : spans) {
        if (out > 0 && s.left <= spans[out - 1].right) {
            spans[out - 1].right = std::max(spans[out - 1].right, s.right);
        } else {
            spans[out++] = s;
        }
    }
    spans.resize(out);
}

// Turns any list of rectangles into the canonical banded form: horizontal bands sorted by
// top that do not overlap, each holding sorted, disjoint spans, and no two touching bands
// with the same spans. A sweep over the distinct top and bottom edges keeps the cost near
// n log n for masks made of thousands of one-row runs.
std::vector<Rect> Normalise(std::vector<Rect> rects) {
    std::erase_if(rects, [](const Rect& r) { return r.empty(); });
    if (rects.empty()) return {};
    std::sort(rects.begin(), rects.end(), [](const Rect& a, const Rect& b) { return a.top < b.top; });

    std::vector<int> edges;
    edges.reserve(rects.size() * 2);
    for (const Rect& r : rects) {
        edges.push_back(r.top);
        edges.push_back(r.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<Rect> out;
    std::vector<const Rect*> active;
    std::vector<Span> spans;
    std::vector<Span> previous;
    std::size_t previousStart = 0;  // index in out of the previous band's first rectangle
    int previousBottom = 0;
    bool havePrevious = false;
    std::size_t next = 0;

    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
        const int y0 = edges[e];
        const int y1 = edges[e + 1];
        std::erase_if(active, [y0](const Rect* r) { return r->bottom <= y0; });
        while (next < rects.size() && rects[next].top == y0) active.push_back(&rects[next++]);
        if (active.empty()) {
            havePrevious = false;
            continue;
        }
        spans.clear();
        for (const Rect* r : active) spans.push_back({r->left, r->right});
        MergeSpans(spans);

        if (havePrevious && previousBottom == y0 && spans == previous) {
            for (std::size_t i = previousStart; i < out.size(); ++i) out[i].bottom = y1;
        } else {
            previousStart = out.size();
            for (const Span& s : spans) out.push_back({s.left, y0, s.right, y1});
            previous = spans;
            havePrevious = true;
        }
        previousBottom = y1;
    }
    return out;
}

}  // namespace

Region::Region(const Rect& r) {
    if (!r.empty()) rects_.push_back(r);
}

Region Region::FromRects(std::span<const Rect> rects) {
    Region region;
    region.rects_ = Normalise({rects.begin(), rects.end()});
    return region;
}

Rect Region::Bounds() const {
    Rect bounds;
    for (const Rect& r : rects_) bounds = bounds.united(r);
    return bounds;
}

bool Region::Contains(Point p) const {
    // Bands are sorted and disjoint, so bottoms rise with tops: the first rectangle whose
    // bottom lies below p starts the only band that can hold it.
    auto it = std::upper_bound(rects_.begin(), rects_.end(), p.y,
                               [](int y, const Rect& r) { return y < r.bottom; });
    for (; it != rects_.end() && it->top <= p.y; ++it) {
        if (it->contains(p)) return true;
    }
    return false;
}

void Region::Unite(const Rect& r) {
    if (r.empty()) return;
    std::vector<Rect> all = rects_;
    all.push_back(r);
    rects_ = Normalise(std::move(all));
}

void Region::Unite(const Region& other) {
    if (other.IsEmpty()) return;
    std::vector<Rect> all = rects_;
    all.insert(all.end(), other.rects_.begin(), other.rects_.end());
    rects_ = Normalise(std::move(all));
}

Region Region::Intersected(const Rect& r) const {
    std::vector<Rect> parts;
    for (const Rect& own : rects_) {
        const Rect part = own.intersected(r);
        if (!part.empty()) parts.push_back(part);
    }
    Region result;
    result.rects_ = Normalise(std::move(parts));
    return result;
}

Region Region::Intersected(const Region& other) const {
    std::vector<Rect> parts;
    for (const Rect& own : rects_) {
        auto it = std::upper_bound(other.rects_.begin(), other.rects_.end(), own.top,
                                   [](int y, const Rect& r) { return y < r.bottom; });
        for (; it != other.rects_.end() && it->top < own.bottom; ++it) {
            const Rect part = own.intersected(*it);
            if (!part.empty()) parts.push_back(part);
        }
    }
    Region result;
    result.rects_ = Normalise(std::move(parts));
    return result;
}

void Region::Translate(Point d) {
    for (Rect& r : rects_) r.translate_by(d);
}

Region Region::Translated(Point d) const {
    Region result = *this;
    result.Translate(d);
    return result;
}

}  // namespace gfx
