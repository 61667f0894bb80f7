#include "controls/containers/tab_background.h"

#include "skin/compose/frame_image.h"
#include "skin/compose/tiling.h"

namespace controls {

skin::SkinGeometry TabGeometry(const skin::TspDataSkinTabControl& section) {
    skin::SkinGeometry g;
    g.SkinRect = section.SkinRect;
    g.LeftTop = section.LeftTopPoint;
    g.RightTop = section.RightTopPoint;
    g.LeftBottom = section.LeftBottomPoint;
    g.RightBottom = section.RightBottomPoint;
    g.ClientRect = section.ClientRect;
    g.LeftStretch = section.LeftStretch;
    g.TopStretch = section.TopStretch;
    g.RightStretch = section.RightStretch;
    g.BottomStretch = section.BottomStretch;
    g.StretchEffect = section.StretchEffect;
    g.StretchType = section.StretchType;
    return g;
}

void PaintTabBackground(gfx::Painter& painter, const skin::TspSkinData& skinData,
                        const skin::TspDataSkinTabControl& section, const gfx::Rect& area, const gfx::Rect& clip) {
    gfx::PainterSaver saver(painter);
    painter.ClipRect(clip);
    skin::SkinGeometry g = TabGeometry(section);
    const gfx::Bitmap* picture = skinData.ActivePicture(section.BGPictureIndex);
    gfx::Rect source = section.SkinRect;
    if (picture) {
        // The whole background picture plays the part of the client piece.
        source = picture->rect();
        g.ClientRect = picture->rect();
    } else {
        picture = skinData.ActivePicture(section.PictureIndex);
        if (!picture) return;
    }
    if (g.StretchEffect) {
        skin::FillClientArea(painter, *picture, source, g, area);
    } else {
        skin::TileRect(painter, *picture, g.ClientRect.translated(source.top_left()), area);
    }
}

}  // namespace controls
