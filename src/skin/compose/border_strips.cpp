#include "skin/compose/border_strips.h"

#include "skin/compose/frame_image.h"
#include "skin/compose/tiling.h"

namespace skin {

namespace {

// A horizontal strip from the source rows top..bottom: middle columns midLeft..midRight filled
// between the resized anchors (stretched) or over the whole strip (tiled), then the corners.
gfx::Bitmap HorizontalStrip(const gfx::Bitmap& picture, const gfx::Rect& source, int top, int bottom, int midLeft,
                            int midRight, int resizedLeft, int resizedRight, int width, bool stretch) {
    const int height = bottom - top;
    if (width <= 0 || height <= 0 || midRight - midLeft <= 0) return {};
    gfx::Bitmap strip(width, height);
    gfx::Painter painter(strip);
    const gfx::Point o = source.top_left();
    const gfx::Rect middle = gfx::Rect{midLeft, top, midRight, bottom}.translated(o);
    if (stretch) {
        painter.Stretch(picture, middle, {resizedLeft, 0, resizedRight, height});
    } else {
        TileRect(painter, picture, middle, strip.rect());
    }
    if (midLeft > 0) painter.Copy(picture, gfx::Rect{0, top, midLeft, bottom}.translated(o), {0, 0});
    if (source.width() > midRight) {
        painter.Copy(picture, gfx::Rect{midRight, top, source.width(), bottom}.translated(o), {resizedRight, 0});
    }
    return strip;
}

// A vertical strip from the source columns left..right over the client rows clientTop..clientBottom:
// rows midTop..midBottom fill the strip, then the parts above and below them go to its ends.
gfx::Bitmap VerticalStrip(const gfx::Bitmap& picture, const gfx::Rect& source, int left, int right, int clientTop,
                          int clientBottom, int midTop, int midBottom, int height, bool stretch) {
    const int width = right - left;
    if (width <= 0 || height <= 0 || midBottom - midTop <= 0) return {};
    gfx::Bitmap strip(width, height);
    gfx::Painter painter(strip);
    const gfx::Point o = source.top_left();
    const gfx::Rect middle = gfx::Rect{left, midTop, right, midBottom}.translated(o);
    if (stretch) {
        painter.Stretch(picture, middle, {0, midTop - clientTop, width, height + midBottom - clientBottom});
    } else {
        TileRect(painter, picture, middle, strip.rect());
    }
    const gfx::Rect above = gfx::Rect{left, clientTop, right, midTop}.translated(o);
    if (!above.empty()) painter.Copy(picture, above, {0, 0});
    const gfx::Rect below = gfx::Rect{left, midBottom, right, clientBottom}.translated(o);
    if (!below.empty()) painter.Copy(picture, below, {0, height - below.height()});
    return strip;
}

}  // namespace

BorderStrips ComposeBorderStrips(const gfx::Bitmap& picture, const gfx::Rect& source, const SkinGeometry& g,
                                 const ResizedGeometry& r, int width, int height) {
    const gfx::Rect& c = g.ClientRect;
    BorderStrips s;
    s.Top = HorizontalStrip(picture, source, 0, c.top, g.LeftTop.x, g.RightTop.x, r.LeftTop.x, r.RightTop.x, width,
                            g.TopStretch);
    s.Bottom = HorizontalStrip(picture, source, c.bottom, source.height(), g.LeftBottom.x, g.RightBottom.x,
                               r.LeftBottom.x, r.RightBottom.x, width, g.BottomStretch);
    const int sideHeight = height - s.Top.height() - s.Bottom.height();
    s.Left = VerticalStrip(picture, source, 0, c.left, c.top, c.bottom, g.LeftTop.y, g.LeftBottom.y, sideHeight,
                           g.LeftStretch);
    s.Right = VerticalStrip(picture, source, c.right, source.width(), c.top, c.bottom, g.RightTop.y, g.RightBottom.y,
                            sideHeight, g.RightStretch);
    return s;
}

void DrawBorderStrips(gfx::Painter& painter, const BorderStrips& s, int width, int height) {
    const int top = s.Top.height();
    painter.Copy(s.Top, s.Top.rect(), {0, 0});
    painter.Copy(s.Left, s.Left.rect(), {0, top});
    painter.Copy(s.Right, s.Right.rect(), {width - s.Right.width(), top});
    painter.Copy(s.Bottom, s.Bottom.rect(), {0, height - s.Bottom.height()});
}

void PaintPiecewise(gfx::Painter& painter, const gfx::Bitmap& picture, const gfx::Rect& source, const SkinGeometry& g,
                    const ResizedGeometry& r, const BorderStrips& strips, int width, int height) {
    {
        gfx::PainterSaver saver(painter);
        painter.ClipRect(r.ClientRect);
        FillClientArea(painter, picture, source, g, r.ClientRect);
    }
    DrawBorderStrips(painter, strips, width, height);
}

}  // namespace skin
