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

// The index of the first rectangle of the band that ends just before index end.
std::size_t BandStart(const std::vector<Rect>& rects, std::size_t end) {
    const int top = rects[end - 1].top;
    while (end > 0 && rects[end - 1].top == top) --end;
    return end;
}

// Merges the last band into the one above when they touch and hold the same spans.
void CoalesceLastBand(std::vector<Rect>& rects) {
    const std::size_t lastStart = BandStart(rects, rects.size());
    if (lastStart == 0 || rects[lastStart - 1].bottom != rects.back().top) return;
    const std::size_t aboveStart = BandStart(rects, lastStart);
    const std::size_t count = rects.size() - lastStart;
    if (lastStart - aboveStart != count) return;
    for (std::size_t i = 0; i < count; ++i) {
        const Rect& a = rects[aboveStart + i];
        const Rect& b = rects[lastStart + i];
        if (a.left != b.left || a.right != b.right) return;
    }
    const int bottom = rects.back().bottom;
    for (std::size_t i = aboveStart; i < lastStart; ++i) rects[i].bottom = bottom;
    rects.resize(lastStart);
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
    auto it = std::upper_bound(rects_.begin(), rects_.end(), p.y, [](int y, const Rect& r) { return y < r.bottom; });
    for (; it != rects_.end() && it->top <= p.y; ++it) {
        if (it->contains(p)) return true;
    }
    return false;
}

void Region::Unite(const Rect& r) {
    if (r.empty()) return;
    // A mask scan adds runs left to right along the last band: extend it in place.
    if (!rects_.empty()) {
        Rect& last = rects_.back();
        if (r.top == last.top && r.bottom == last.bottom && r.left >= last.left) {
            if (r.left <= last.right) {
                last.right = std::max(last.right, r.right);
            } else {
                rects_.push_back(r);
            }
            CoalesceLastBand(rects_);
            return;
        }
    }
    // Otherwise only the bands that overlap or touch r's rows can change, so only they are
    // rebuilt and spliced back. The bands around them keep their spans, so they cannot
    // newly merge with the rebuilt ones.
    const auto first =
        std::lower_bound(rects_.begin(), rects_.end(), r.top, [](const Rect& own, int y) { return own.bottom < y; });
    auto last = first;
    while (last != rects_.end() && last->top <= r.bottom) ++last;
    std::vector<Rect> affected(first, last);
    affected.push_back(r);
    std::vector<Rect> rebuilt = Normalise(std::move(affected));
    const auto at = rects_.erase(first, last);
    rects_.insert(at, rebuilt.begin(), rebuilt.end());
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
