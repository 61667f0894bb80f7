#pragma once

#include "gfx/colour.h"
#include "gfx/geometry.h"
#include "skin/definition/skin_enums.h"

namespace skin {

class IniFile;
class KeyExchange;

// The frame of popup menus ([POPUPWINDOW]).
class TspDataSkinPopupWindow {
public:
    int WindowPictureIndex = -1;
    int MaskPictureIndex = -1;
    gfx::Point LeftTopPoint;
    gfx::Point RightTopPoint;
    gfx::Point LeftBottomPoint;
    gfx::Point RightBottomPoint;
    int CursorIndex = -1;
    gfx::Rect ItemsRect;
    gfx::Color ScrollMarkerColor = 0;
    gfx::Color ScrollMarkerActiveColor = 0;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TspStretchType StretchType = TspStretchType::Full;

    // Visits every key of [POPUPWINDOW] in reading order.
    void Exchange(KeyExchange& io);
    // Reads [POPUPWINDOW]; absent keys take their defaults.
    void LoadFromIni(const IniFile& ini);
    // Replaces [POPUPWINDOW] with the canonical written form.
    void SaveToIni(IniFile& ini) const;

    friend bool operator==(const TspDataSkinPopupWindow&, const TspDataSkinPopupWindow&) = default;
};

}  // namespace skin
