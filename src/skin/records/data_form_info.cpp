#include "skin/records/data_form_info.h"

#include <algorithm>

#include "skin/definition/ini_file.h"
#include "skin/definition/key_exchange.h"

namespace skin {

namespace {

constexpr std::string_view kSection = "FORMINFO";

// A hit-test corner left at a zero coordinate was not set by the skin.
void TakeCornerWhenUnset(gfx::Point& hitTest, gfx::Point corner) {
    if (hitTest.x == 0 || hitTest.y == 0) hitTest = corner;
}

}  // namespace

void TspDataSkinFormInfo::Exchange(KeyExchange& io) {
    io.Point("lefttoppoint", LeftTopPoint);
    io.Point("righttoppoint", RightTopPoint);
    io.Point("leftbottompoint", LeftBottomPoint);
    io.Point("rightbottompoint", RightBottomPoint);
    io.Rect("clientrect", ClientRect);
    io.Int("bgpictureindex", BGPictureIndex);
    io.Int("mdibgpictureindex", MDIBGPictureIndex);
    io.Bool("leftstretch", LeftStretch);
    io.Bool("rightstretch", RightStretch);
    io.Bool("topstretch", TopStretch);
    io.Bool("bottomstretch", BottomStretch);
    io.Bool("stretcheffect", StretchEffect);
    io.Enum("stretchtype", StretchType, kStretchTypeTexts);
    io.Bool("mdibgstretcheffect", MDIBGStretchEffect);
    io.Enum("mdibgstretchtype", MDIBGStretchType, kStretchTypeTexts);
    io.Rect("buttonsrect", ButtonsRect);
    io.Rect("captionrect", CaptionRect);
    io.Int("buttonsoffset", ButtonsOffset);
    io.Bool("buttonsinleft", ButtonsInLeft);
    io.Rect("maskrectarea", MaskRectArea);
    io.Point("hittestlefttoppoint", HitTestLeftTopPoint);
    io.Point("hittestrighttoppoint", HitTestRightTopPoint);
    io.Point("hittestleftbottompoint", HitTestLeftBottomPoint);
    io.Point("hittestrightbottompoint", HitTestRightBottomPoint);
    io.Point("rollupleftpoint", RollUpLeftPoint);
    io.Point("rolluprightpoint", RollUpRightPoint);
    io.Rect("mainmenurect", MainMenuRect);
    io.Rect("iconrect", IconRect);
    io.Bool("mainmenupopupup", MainMenuPopupUp);
    io.Int("borderwidth", BorderWidth);
    io.Int("formminwidth", FormMinWidth);
    io.Bool("mditabstransparent", MDITabsTransparent);
    io.Bool("mainmenubartransparent", MainMenuBarTransparent);
    io.Int("cursorindex", CursorIndex);
    io.Bool("autorenderinginactiveimage", AutoRenderingInActiveImage);
    io.Enum("inactiveeffect", InActiveEffect, kInactiveEffectTexts);
    io.Rect("sizegriparea", SizeGripArea);
    io.String("statusbarname", StatusBarName);
}

void TspDataSkinFormInfo::LoadFromIni(const IniFile& ini, bool hasMask) {
    *this = TspDataSkinFormInfo{};
    ReadSection(ini, kSection, *this);

    // The corrections read only fields that come before them in the key list, so running
    // them after the whole section gives what running them in between would.
    if (hasMask) {
        if (MaskRectArea.empty()) {
            MaskRectArea = ClientRect;
        } else {
            MaskRectArea.left = std::min(MaskRectArea.left, ClientRect.left);
            MaskRectArea.top = std::min(MaskRectArea.top, ClientRect.top);
            MaskRectArea.right = std::max(MaskRectArea.right, ClientRect.right);
            MaskRectArea.bottom = std::max(MaskRectArea.bottom, ClientRect.bottom);
        }
        TakeCornerWhenUnset(HitTestLeftTopPoint, LeftTopPoint);
        TakeCornerWhenUnset(HitTestRightTopPoint, RightTopPoint);
        TakeCornerWhenUnset(HitTestLeftBottomPoint, LeftBottomPoint);
        TakeCornerWhenUnset(HitTestRightBottomPoint, RightBottomPoint);
    }

    if (RightBottomPoint.x != LeftTopPoint.x && RightBottomPoint.y != LeftTopPoint.y) {
        const gfx::Rect& c = ClientRect;
        LeftTopPoint = {std::max(LeftTopPoint.x, c.left), std::max(LeftTopPoint.y, c.top)};
        RightTopPoint = {std::min(RightTopPoint.x, c.right), std::max(RightTopPoint.y, c.top)};
        LeftBottomPoint = {std::max(LeftBottomPoint.x, c.left), std::min(LeftBottomPoint.y, c.bottom)};
        RightBottomPoint = {std::min(RightBottomPoint.x, c.right), std::min(RightBottomPoint.y, c.bottom)};
    }
}

void TspDataSkinFormInfo::SaveToIni(IniFile& ini) const { WriteSection(ini, kSection, *this); }

}  // namespace skin
