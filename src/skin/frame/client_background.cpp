#include "skin/frame/client_background.h"

#include "skin/skin_data.h"

namespace skin {

namespace {

// Repeats the picture over the area from its top-left corner.
void Tile(gfx::Painter& p, const gfx::Bitmap& src, const gfx::Rect& piece, gfx::Size area) {
    if (piece.empty()) return;
    for (int x = 0; x < area.width; x += piece.width())
        for (int y = 0; y < area.height; y += piece.height()) p.Copy(src, piece, {x, y});
}

void Stretched(gfx::Painter& p, const gfx::Bitmap& src, const gfx::Rect& piece, gfx::Size area, TspStretchType type) {
    switch (type) {
        case TspStretchType::Full:
            p.Stretch(src, piece, {0, 0, area.width, area.height});
            return;
        case TspStretchType::Horz: {
            gfx::Bitmap column(piece.width(), area.height);
            gfx::Painter(column).Stretch(src, piece, column.rect());
            Tile(p, column, column.rect(), area);
            return;
        }
        case TspStretchType::Vert: {
            gfx::Bitmap row(area.width, piece.height());
            gfx::Painter(row).Stretch(src, piece, row.rect());
            Tile(p, row, row.rect(), area);
            return;
        }
    }
}

}  // namespace

void PaintClientBackground(gfx::Painter& p, gfx::Size client, const TspSkinData& skin) {
    const TspDataSkinFormInfo& info = skin.FormInfo();
    const gfx::Bitmap* src = &skin.Picture();
    gfx::Rect piece = info.ClientRect;
    if (info.BGPictureIndex != -1) {
        src = skin.ActivePicture(info.BGPictureIndex);
        if (src) piece = src->rect();
    }
    if (!src || piece.empty() || src->empty()) {
        p.FillRect({0, 0, client.width, client.height}, gfx::ColorToPixel(gfx::clBtnFace));
        return;
    }
    if (info.StretchEffect)
        Stretched(p, *src, piece, client, info.StretchType);
    else
        Tile(p, *src, piece, client);
}

}  // namespace skin
