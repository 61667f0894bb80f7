#include "skin/records/data_skin_control.h"

namespace skin {

void TspDataSkinControl::Exchange(KeyExchange& io) {
    io.Int("pictureindex", PictureIndex);
    io.Int("maskpictureindex", MaskPictureIndex);
    io.Int("cursorindex", CursorIndex);
    io.Rect("skinrect", SkinRect);
}

void TspDataSkinCustomControl::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Point("lefttoppoint", LeftTopPoint);
    io.Point("righttoppoint", RightTopPoint);
    io.Point("leftbottompoint", LeftBottomPoint);
    io.Point("rightbottompoint", RightBottomPoint);
    io.Rect("clientrect", ClientRect);
    io.Bool("leftstretch", LeftStretch);
    io.Bool("topstretch", TopStretch);
    io.Bool("rightstretch", RightStretch);
    io.Bool("bottomstretch", BottomStretch);
    io.Bool("stretcheffect", StretchEffect);
    io.Enum("stretchtype", StretchType, kStretchTypeTexts);
}

void TspDataSkinFrameControl::Exchange(KeyExchange& io) {
    TspDataSkinControl::Exchange(io);
    io.Int("framescount", FramesCount);
    io.Enum("framesplacement", FramesPlacement, kFramesPlacementTexts);
}

}  // namespace skin
