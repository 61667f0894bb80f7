#pragma once

#include "gfx/colour.h"
#include "gfx/geometry.h"
#include "skin/definition/key_exchange.h"
#include "skin/definition/skin_enums.h"
#include "skin/records/data_record.h"

namespace skin {

// Base records of the skinned controls ([SKINCONTROLS]).

// Every control: the active picture it draws from and its normal image there.
class TspDataSkinControl : public DataRecord {
public:
    int PictureIndex = -1;
    int MaskPictureIndex = -1;
    int CursorIndex = -1;
    gfx::Rect SkinRect;

    void Exchange(KeyExchange& io) override;
};

// A control drawn as a framed picture that stretches to any size: corner points and the
// client rectangle are relative to SkinRect's top-left corner.
class TspDataSkinCustomControl : public TspDataSkinControl {
public:
    gfx::Point LeftTopPoint;
    gfx::Point RightTopPoint;
    gfx::Point LeftBottomPoint;
    gfx::Point RightBottomPoint;
    gfx::Rect ClientRect;
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TspStretchType StretchType = TspStretchType::Full;

    void Exchange(KeyExchange& io) override;
};

// A control drawn from a strip of equally sized frames.
class TspDataSkinFrameControl : public TspDataSkinControl {
public:
    int FramesCount = 1;
    TspFramesPlacement FramesPlacement = TspFramesPlacement::Horizontal;

    void Exchange(KeyExchange& io) override;
};

}  // namespace skin
