#pragma once

#include <string>

#include "gfx/geometry.h"
#include "skin/definition/skin_enums.h"

namespace skin {

class IniFile;
class KeyExchange;

// The window frame ([FORMINFO]): corner points and stretch rules of the frame picture,
// the client and caption areas, the mask area and the hit-test corners.
class TspDataSkinFormInfo {
public:
    gfx::Point LeftTopPoint;
    gfx::Point RightTopPoint;
    gfx::Point LeftBottomPoint;
    gfx::Point RightBottomPoint;
    gfx::Rect ClientRect;
    int BGPictureIndex = -1;
    int MDIBGPictureIndex = -1;
    bool LeftStretch = false;
    bool RightStretch = false;
    bool TopStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TspStretchType StretchType = TspStretchType::Full;
    bool MDIBGStretchEffect = false;
    TspStretchType MDIBGStretchType = TspStretchType::Full;
    gfx::Rect ButtonsRect;
    gfx::Rect CaptionRect;
    int ButtonsOffset = 0;
    bool ButtonsInLeft = false;
    gfx::Rect MaskRectArea;
    gfx::Point HitTestLeftTopPoint;
    gfx::Point HitTestRightTopPoint;
    gfx::Point HitTestLeftBottomPoint;
    gfx::Point HitTestRightBottomPoint;
    gfx::Point RollUpLeftPoint;
    gfx::Point RollUpRightPoint;
    gfx::Rect MainMenuRect;
    gfx::Rect IconRect;
    bool MainMenuPopupUp = false;
    int BorderWidth = 0;
    int FormMinWidth = 0;
    bool MDITabsTransparent = false;
    bool MainMenuBarTransparent = false;
    int CursorIndex = -1;
    bool AutoRenderingInActiveImage = false;
    TspInactiveEffect InActiveEffect = TspInactiveEffect::Brightness;
    gfx::Rect SizeGripArea;
    std::string StatusBarName;

    // Visits every key of [FORMINFO] in reading order.
    void Exchange(KeyExchange& io);
    // Reads [FORMINFO] (absent keys take their defaults) and applies the corrections: with a mask the
    // mask area is made to hold the client rectangle and unset hit-test corners take the
    // frame corners; the frame corners are pulled inside the client rectangle.
    void LoadFromIni(const IniFile& ini, bool hasMask);
    // Replaces [FORMINFO] with the canonical written form.
    void SaveToIni(IniFile& ini) const;

    friend bool operator==(const TspDataSkinFormInfo&, const TspDataSkinFormInfo&) = default;
};

}  // namespace skin
