#include "skin/frame/frame_strips.h"

#include "gfx/painter.h"

namespace skin {

namespace {

// Repeats the source piece across the target's columns from..to, starting at from; the last
// copy is cut at to.
void TileColumns(gfx::Painter& p, const gfx::Bitmap& src, const gfx::Rect& piece, int from, int to) {
    const int period = piece.width();
    if (period <= 0) return;
    gfx::PainterSaver saver(p);
    p.ClipRect({from, 0, to, piece.height()});
    for (int x = from; x < to; x += period) p.Copy(src, piece, {x, 0});
}

// The same downwards, over rows from..to.
void TileRows(gfx::Painter& p, const gfx::Bitmap& src, const gfx::Rect& piece, int from, int to) {
    const int period = piece.height();
    if (period <= 0) return;
    gfx::PainterSaver saver(p);
    p.ClipRect({0, from, piece.width(), to});
    for (int y = from; y < to; y += period) p.Copy(src, piece, {0, y});
}

// A horizontal strip of rows top..bottom of the picture, its middle between columns a and b.
gfx::Bitmap HorizontalStrip(const gfx::Bitmap& src, int top, int bottom, int a, int b, bool stretch, int width) {
    const int height = bottom - top;
    const int dx = width - src.width();
    if (width <= 0 || height <= 0 || b <= a) return {};
    gfx::Bitmap strip(width, height);
    gfx::Painter p(strip);
    const gfx::Rect middle{a, top, b, bottom};
    if (stretch)
        p.Stretch(src, middle, {a, 0, b + dx, height});
    else
        TileColumns(p, src, middle, 0, width);
    p.Copy(src, {0, top, a, bottom}, {0, 0});
    p.Copy(src, {b, top, src.width(), bottom}, {b + dx, 0});
    return strip;
}

// A vertical strip of columns left..right, height high, its middle between picture rows a
// and b; innerTop and innerBottom are where the strip starts and ends in the picture.
gfx::Bitmap VerticalStrip(const gfx::Bitmap& src, int left, int right, int a, int b, int innerTop, int innerBottom,
                          bool stretch, int height) {
    const int width = right - left;
    if (width <= 0 || height <= 0 || b <= a) return {};
    gfx::Bitmap strip(width, height);
    gfx::Painter p(strip);
    const gfx::Rect middle{left, a, right, b};
    if (stretch)
        p.Stretch(src, middle, {0, a - innerTop, width, height + b - innerBottom});
    else
        TileRows(p, src, middle, 0, height);
    if (a > innerTop) p.Copy(src, {left, innerTop, right, a}, {0, 0});
    if (innerBottom > b) p.Copy(src, {left, b, right, innerBottom}, {0, height - (innerBottom - b)});
    return strip;
}

}  // namespace

FrameStrips ComposeFrameStrips(const gfx::Bitmap& picture, const StripLayout& l, gfx::Size window) {
    FrameStrips s;
    const gfx::Rect& c = l.inner;
    s.top = HorizontalStrip(picture, 0, c.top, l.leftTop.x, l.rightTop.x, l.topStretch, window.width);
    s.bottom = HorizontalStrip(picture, c.bottom, picture.height(), l.leftBottom.x, l.rightBottom.x, l.bottomStretch,
                               window.width);
    const int height = window.height - c.top - (picture.height() - c.bottom);
    s.left = VerticalStrip(picture, 0, c.left, l.leftTop.y, l.leftBottom.y, c.top, c.bottom, l.leftStretch, height);
    s.right = VerticalStrip(picture, c.right, picture.width(), l.rightTop.y, l.rightBottom.y, c.top, c.bottom,
                            l.rightStretch, height);
    return s;
}

}  // namespace skin
