#pragma once

#include <string>

#include "gfx/font.h"
#include "skin/records/data_skin_control.h"

namespace skin {

// Control records for panels, group boxes, page controls and other containers.

class TspDataSkinPanelControl : public TspDataSkinCustomControl {
public:
    int BGPictureIndex = -1;
    gfx::Rect CaptionRect;
    TspAlignment Alignment = TspAlignment::Center;
    gfx::Font Font = DefaultSkinFont();
    gfx::Rect CheckImageRect;
    gfx::Rect UnCheckImageRect;
    gfx::Rect MarkFrameRect;
    gfx::Rect FrameRect;
    gfx::Rect FrameTextRect;
    int FrameLeftOffset = 0;
    int FrameRightOffset = 0;
    gfx::Rect GripperRect;
    bool GripperTransparent = false;
    gfx::Color GripperTransparentColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "panel"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinExPanelControl : public TspDataSkinCustomControl {
public:
    gfx::Rect RollHSkinRect;
    gfx::Rect RollVSkinRect;
    int RollLeftOffset = 0;
    int RollRightOffset = 0;
    int RollTopOffset = 0;
    int RollBottomOffset = 0;
    gfx::Rect RollVCaptionRect;
    gfx::Rect RollHCaptionRect;
    gfx::Rect CloseButtonRect;
    gfx::Rect CloseButtonActiveRect;
    gfx::Rect CloseButtonDownRect;
    gfx::Rect HRollButtonRect;
    gfx::Rect HRollButtonActiveRect;
    gfx::Rect HRollButtonDownRect;
    gfx::Rect HRestoreButtonRect;
    gfx::Rect HRestoreButtonActiveRect;
    gfx::Rect HRestoreButtonDownRect;
    gfx::Rect VRollButtonRect;
    gfx::Rect VRollButtonActiveRect;
    gfx::Rect VRollButtonDownRect;
    gfx::Rect VRestoreButtonRect;
    gfx::Rect VRestoreButtonActiveRect;
    gfx::Rect VRestoreButtonDownRect;
    gfx::Rect CaptionRect;
    gfx::Font Font = DefaultSkinFont();
    bool ButtonsTransparent = false;
    gfx::Color ButtonsTransparentColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "expanel"; }
    void Exchange(KeyExchange& io) override;
};

// The page control: tab pictures per state, the framed page area and the up-down that
// scrolls tabs that do not fit (UpDown names that control record).
class TspDataSkinTabControl : public TspDataSkinControl {
public:
    gfx::Rect TabRect;
    gfx::Rect ActiveTabRect;
    gfx::Rect FocusTabRect;
    gfx::Rect MouseInTabRect;
    gfx::Rect ClientRect;
    int BGPictureIndex = -1;
    gfx::Point LeftTopPoint;
    gfx::Point RightTopPoint;
    gfx::Point LeftBottomPoint;
    gfx::Point RightBottomPoint;
    int TabLeftOffset = 0;
    int TabRightOffset = 0;
    gfx::Rect TabsBGRect;
    bool TabStretchEffect = false;
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    TspStretchType StretchType = TspStretchType::Full;
    gfx::Font Font = DefaultSkinFont();
    gfx::Color ActiveFontColor = 0;
    gfx::Color FocusFontColor = 0;
    gfx::Color MouseInFontColor = 0;
    std::string UpDown;
    bool ShowFocus = false;
    int FocusOffsetX = 0;
    int FocusOffsetY = 0;
    gfx::Rect CloseButtonRect;
    gfx::Rect CloseButtonActiveRect;
    gfx::Rect CloseButtonDownRect;
    bool ButtonTransparent = false;
    gfx::Color ButtonTransparentColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "tab"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinScrollBoxControl : public TspDataSkinCustomControl {
public:
    int BGPictureIndex = -1;

    [[nodiscard]] std::string_view KindName() const override { return "scrollbox"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinControlBar : public TspDataSkinCustomControl {
public:
    gfx::Rect ItemRect;
    int BGPictureIndex = -1;
    gfx::Rect HGripRect;
    gfx::Rect VGripRect;
    int GripOffset1 = 0;
    int GripOffset2 = 0;
    bool ItemStretchEffect = false;
    int ItemOffset1 = 3;
    int ItemOffset2 = 3;
    bool ItemTransparent = false;
    gfx::Color ItemTransparentColor = 0;
    bool GripTransparent = false;
    gfx::Color GripTransparentColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "controlbar"; }
    void Exchange(KeyExchange& io) override;
};

// The menu bar of a window; its buttons and items are skin objects named here.
class TspDataSkinMainMenuBar : public TspDataSkinControl {
public:
    gfx::Rect ItemsRect;
    std::string MenuBarItem;
    std::string CloseButton;
    std::string MinButton;
    std::string MaxButton;
    std::string SysMenuButton;
    gfx::Color TrackMarkColor = 0;
    gfx::Color TrackMarkActiveColor = 0;
    bool StretchEffect = false;
    bool ItemTransparent = false;

    [[nodiscard]] std::string_view KindName() const override { return "mainmenubar"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinBevel : public TspDataSkinControl {
public:
    gfx::Color LightColor = 0;
    gfx::Color DarkColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "bevel"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinSplitterControl : public TspDataSkinCustomControl {
public:
    gfx::Rect GripperRect;
    bool GripperTransparent = false;
    gfx::Color GripperTransparentColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "splitter"; }
    void Exchange(KeyExchange& io) override;
};

}  // namespace skin
