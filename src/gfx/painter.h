#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/font.h"
#include "gfx/region.h"

namespace gfx {

// Draws into a Bitmap through a translation and a clip. Every primitive takes local
// coordinates, translates, clips and returns early when nothing is left.
class Painter {
public:
    // A painter on target with no translation and the whole bitmap as its clip.
    explicit Painter(Bitmap& target);

    // The bitmap drawn into.
    [[nodiscard]] Bitmap& Target() { return *target_; }

    // Save() pushes translation and clip; Restore() pops them. Prefer PainterSaver.
    void Save();
    // Pops what the last Save pushed; without a matching Save it does nothing.
    void Restore();
    // Moves the local origin by d.
    void Translate(Point d);
    // The local origin in device coordinates.
    [[nodiscard]] Point Translation() const { return state_.back().translation; }
    // Narrows the clip to r (local coordinates).
    void ClipRect(const Rect& r);
    // Narrows the clip to the region (local coordinates).
    void ClipRegion(const Region& region);
    // The clip in local coordinates, as its bounding box.
    [[nodiscard]] Rect ClipBounds() const;

    // Sets every pixel of r to c, alpha included.
    void FillRect(const Rect& r, Pixel c);
    // Sets one pixel.
    void SetPixel(Point p, Pixel c);
    // A one-pixel outline just inside r.
    void FrameRect(const Rect& r, Pixel c);
    // Top and left edges in topLeft, bottom and right in bottomRight, one pixel wide, as
    // the classic raised frame: the top-right corner is bottomRight's, the bottom-left
    // corner topLeft's.
    void Frame3D(const Rect& r, Pixel topLeft, Pixel bottomRight);
    // The dotted focus outline just inside r: the outline pixels whose distance from r's
    // corner (x + y) is even get their colour inverted, so drawing it twice removes it.
    void DrawFocusRect(const Rect& r);
    // A one-pixel line from a to b, the end point excluded. The minor coordinate is the
    // exact one rounded to nearest, halves towards a.
    void DrawLine(Point a, Point b, Pixel c);

    // Copies src's part srcRect with its top-left at dst, pixels as they are. The part of
    // srcRect outside src is not drawn; what exists lands where it would have. src may be
    // the target itself, overlapping or not (as may every source below).
    void Copy(const Bitmap& src, const Rect& srcRect, Point dst);
    // Stretches src's part srcRect over dstRect, nearest neighbour by pixel centres:
    // destination column i (from dstRect.left) takes source column srcRect.left +
    // floor((i + 0.5) * srcW / dstW), rows alike. Pixels mapped outside src are not drawn;
    // empty or inverted rectangles draw nothing (no mirroring).
    void Stretch(const Bitmap& src, const Rect& srcRect, const Rect& dstRect);
    // As Stretch, leaving out the pixels of colour key (alpha ignored).
    void CopyTransparent(const Bitmap& src, const Rect& srcRect, const Rect& dstRect, Pixel key);
    // Blends src's part srcRect at dst by each pixel's alpha times opacity / 255 (straight
    // alpha, "over"; the target's alpha grows accordingly). Clipped like Copy.
    void BlendCopy(const Bitmap& src, const Rect& srcRect, Point dst, std::uint8_t opacity = 255);
    // Blends colour c at dst through an 8-bit coverage mask (255 = full): glyphs use it.
    // Rows are stride bytes apart; c's own alpha is ignored. A null mask or a stride
    // shorter than width draws nothing.
    void DrawCoverage(const std::uint8_t* coverage, int width, int height, int stride, Point dst, Pixel c);

    // Draws text laid out in box by the TextFormat flags, in the font's colour unless a
    // colour is given.
    void DrawText(const Font& font, std::string_view utf8, const Rect& box, unsigned format);
    void DrawText(const Font& font, std::string_view utf8, const Rect& box, unsigned format, Pixel color);

private:
    struct State {
        Point translation;
        Rect clip;          // device coordinates
        Region clipRegion;  // device coordinates; meaningful when hasRegion
        bool hasRegion = false;
    };
    // Calls span(y, x0, x1) for every device-space run of r (device coordinates) that
    // lies inside the clip.
    template <typename SpanFn>
    void ForEachClippedSpan(const Rect& deviceRect, SpanFn&& span) const;

    Bitmap* target_;
    std::vector<State> state_;
};

// Saves the painter's state on construction and restores it on destruction.
class PainterSaver {
public:
    explicit PainterSaver(Painter& p) : p_(p) { p_.Save(); }
    ~PainterSaver() { p_.Restore(); }
    PainterSaver(const PainterSaver&) = delete;
    PainterSaver& operator=(const PainterSaver&) = delete;

private:
    Painter& p_;
};

}  // namespace gfx
