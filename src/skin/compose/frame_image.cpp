#include "skin/compose/frame_image.h"

#include "skin/compose/tiling.h"

namespace skin {

namespace {

// Copies the part of source given relative to source's top-left corner to dst, when not empty.
void CopyPiece(gfx::Painter& painter, const gfx::Bitmap& picture, const gfx::Rect& source, const gfx::Rect& part,
               gfx::Point dst) {
    if (part.empty()) return;
    painter.Copy(picture, part.translated(source.top_left()), dst);
}

// The client part stretched to a size, as a picture of its own, for tiling across or down.
gfx::Bitmap StretchedClient(const gfx::Bitmap& picture, const gfx::Rect& client, gfx::Size size) {
    gfx::Bitmap piece(size);
    gfx::Painter(piece).Stretch(picture, client, piece.rect());
    return piece;
}

}  // namespace

void FillClientArea(gfx::Painter& painter, const gfx::Bitmap& picture, const gfx::Rect& source, const SkinGeometry& g,
                    const gfx::Rect& resizedClient) {
    const gfx::Rect client = g.ClientRect.translated(source.top_left());
    if (client.empty()) return;
    if (!g.StretchEffect) {
        TileRect(painter, picture, client, resizedClient);
        return;
    }
    if (resizedClient.empty()) return;
    switch (g.StretchType) {
        case TspStretchType::Full:
            painter.Stretch(picture, client, resizedClient);
            break;
        case TspStretchType::Horz: {
            const gfx::Bitmap piece = StretchedClient(picture, client, {client.width(), resizedClient.height()});
            TileRect(painter, piece, piece.rect(), resizedClient);
            break;
        }
        case TspStretchType::Vert: {
            const gfx::Bitmap piece = StretchedClient(picture, client, {resizedClient.width(), client.height()});
            TileRect(painter, piece, piece.rect(), resizedClient);
            break;
        }
    }
}

void ComposeFrameImage(gfx::Bitmap& image, const gfx::Bitmap& picture, const gfx::Rect& source, const SkinGeometry& g,
                       const ResizedGeometry& r, int width, int height, bool drawClient) {
    image.Reset(std::max(width, 0), std::max(height, 0));
    if (image.empty() || picture.empty()) return;
    if (g.RightBottom.x == g.LeftTop.x || g.RightBottom.y == g.LeftTop.y) return;
    gfx::Painter painter(image);
    const gfx::Point o = source.top_left();
    const int sw = source.width();
    const int sh = source.height();
    const gfx::Rect& c = g.ClientRect;
    const gfx::Rect& rc = r.ClientRect;

    FillPiece(painter, picture, gfx::Rect{g.LeftTop.x, 0, g.RightTop.x, c.top}.translated(o),
              {r.LeftTop.x, 0, r.RightTop.x, rc.top}, g.TopStretch);
    FillPiece(painter, picture, gfx::Rect{g.LeftBottom.x, c.bottom, g.RightBottom.x, sh}.translated(o),
              {r.LeftBottom.x, rc.bottom, r.RightBottom.x, height}, g.BottomStretch);
    FillPiece(painter, picture, gfx::Rect{0, g.LeftTop.y, c.left, g.LeftBottom.y}.translated(o),
              {0, r.LeftTop.y, rc.left, r.LeftBottom.y}, g.LeftStretch);
    FillPiece(painter, picture, gfx::Rect{c.right, g.RightTop.y, sw, g.RightBottom.y}.translated(o),
              {rc.right, r.RightTop.y, width, r.RightBottom.y}, g.RightStretch);

    CopyPiece(painter, picture, source, {0, 0, g.LeftTop.x, c.top}, {0, 0});
    CopyPiece(painter, picture, source, {0, c.top, c.left, g.LeftTop.y}, {0, rc.top});
    CopyPiece(painter, picture, source, {g.RightTop.x, 0, sw, c.top}, {r.RightTop.x, 0});
    CopyPiece(painter, picture, source, {c.right, c.top, sw, g.RightTop.y}, {rc.right, rc.top});
    CopyPiece(painter, picture, source, {0, g.LeftBottom.y, c.left, sh}, {0, r.LeftBottom.y});
    CopyPiece(painter, picture, source, {c.left, c.bottom, g.LeftBottom.x, sh}, {rc.left, rc.bottom});
    CopyPiece(painter, picture, source, {g.RightBottom.x, c.bottom, sw, sh}, {r.RightBottom.x, rc.bottom});
    CopyPiece(painter, picture, source, {c.right, g.RightBottom.y, sw, c.bottom}, {rc.right, r.RightBottom.y});

    if (drawClient) FillClientArea(painter, picture, source, g, rc);
}

}  // namespace skin
