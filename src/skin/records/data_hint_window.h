#pragma once

#include "gfx/font.h"
#include "gfx/geometry.h"
#include "skin/definition/key_exchange.h"
#include "skin/definition/skin_enums.h"

namespace skin {

class IniFile;

// The frame and font of hint windows ([HINTWINDOW]).
class TspDataSkinHintWindow {
public:
    int WindowPictureIndex = -1;
    int MaskPictureIndex = -1;
    gfx::Point LeftTopPoint;
    gfx::Point RightTopPoint;
    gfx::Point LeftBottomPoint;
    gfx::Point RightBottomPoint;
    gfx::Rect ClientRect;
    gfx::Font Font = DefaultSkinFont();
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TspStretchType StretchType = TspStretchType::Full;

    // Visits every key of [HINTWINDOW] in reading order.
    void Exchange(KeyExchange& io);
    // Reads [HINTWINDOW]; absent keys take their defaults.
    void LoadFromIni(const IniFile& ini);
    // Replaces [HINTWINDOW] with the canonical written form.
    void SaveToIni(IniFile& ini) const;

    friend bool operator==(const TspDataSkinHintWindow&, const TspDataSkinHintWindow&) = default;
};

}  // namespace skin
