#pragma once

#include <string>
#include <vector>

#include "gfx/colour.h"
#include "gfx/font.h"
#include "gfx/geometry.h"
#include "skin/definition/key_exchange.h"
#include "skin/definition/skin_enums.h"
#include "skin/records/data_record.h"

namespace skin {

// Records of the objects drawn on a skinned window frame ([SKINOBJECTS]).

class TspDataSkinObject : public DataRecord {
public:
    std::string Hint;
    bool RollUp = false;
    int ActivePictureIndex = -1;
    bool SkinRectInAPicture = false;
    int CursorIndex = -1;
    gfx::Rect SkinRect;
    gfx::Rect ActiveSkinRect;
    gfx::Rect InActiveSkinRect;
    bool Morphing = false;
    TspMorphKind MorphKind = TspMorphKind::Default;

    void Exchange(KeyExchange& io) override;
};

class TspDataSkinButton : public TspDataSkinObject {
public:
    gfx::Rect DownRect;
    gfx::Rect DisableSkinRect;
    int GroupIndex = -1;

    [[nodiscard]] std::string_view KindName() const override { return "button"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinStdButton : public TspDataSkinButton {
public:
    TspCommand Command = TspCommand::Default;
    gfx::Rect RestoreRect;
    gfx::Rect RestoreActiveRect;
    gfx::Rect RestoreDownRect;
    gfx::Rect RestoreInActiveRect;

    [[nodiscard]] std::string_view KindName() const override { return "stdbutton"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinMainMenuBarButton : public TspDataSkinStdButton {
public:
    [[nodiscard]] std::string_view KindName() const override { return "mainmenubarbutton"; }
};

class TspDataSkinCaption : public TspDataSkinObject {
public:
    bool DefaultCaption = false;
    gfx::Rect TextRect;
    gfx::Font Font = DefaultSkinFont();
    gfx::Color ActiveFontColor = 0;
    TspAlignment Alignment = TspAlignment::Center;
    bool Shadow = false;
    gfx::Color ShadowColor = 0;
    bool Light = false;
    gfx::Color LightColor = 0;
    gfx::Color ActiveLightColor = 0;
    gfx::Color ActiveShadowColor = 0;
    gfx::Rect FrameRect;
    gfx::Rect ActiveFrameRect;
    gfx::Rect FrameTextRect;
    int FrameLeftOffset = 0;
    int FrameRightOffset = 0;
    bool StretchEffect = false;
    gfx::Rect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool InActiveAnimation = false;
    bool FullFrame = false;

    [[nodiscard]] std::string_view KindName() const override { return "caption"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinMenuItem : public TspDataSkinObject {
public:
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    gfx::Rect DividerRect;
    int DividerLeftOffset = 0;
    int DividerRightOffset = 0;
    gfx::Rect TextRect;
    gfx::Rect ImageRect;
    gfx::Font Font = DefaultSkinFont();
    gfx::Color ActiveFontColor = 0;
    gfx::Color UnEnabledFontColor = 0;
    bool StretchEffect = false;
    bool InActiveStretchEffect = false;
    bool DividerStretchEffect = false;
    gfx::Rect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool InActiveAnimation = false;
    bool UseImageColor = false;
    gfx::Color ImageColor = 0;
    gfx::Color ActiveImageColor = 0;
    bool InActiveTransparent = false;
    gfx::Rect CheckImageRect;
    gfx::Rect ActiveCheckImageRect;
    gfx::Rect RadioImageRect;
    gfx::Rect ActiveRadioImageRect;
    gfx::Rect ArrowImageRect;
    gfx::Rect ActiveArrowImageRect;

    [[nodiscard]] std::string_view KindName() const override { return "menuitem"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinMainMenuItem : public TspDataSkinObject {
public:
    int ItemLeftOffset = 0;
    int ItemRightOffset = 0;
    gfx::Rect DownRect;
    gfx::Rect TextRect;
    gfx::Font Font = DefaultSkinFont();
    gfx::Color ActiveFontColor = 0;
    gfx::Color DownFontColor = 0;
    gfx::Color UnEnabledFontColor = 0;
    bool StretchEffect = false;
    gfx::Rect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool InActiveAnimation = false;

    [[nodiscard]] std::string_view KindName() const override { return "mainmenuitem"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinMainMenuBarItem : public TspDataSkinMainMenuItem {
public:
    [[nodiscard]] std::string_view KindName() const override { return "mainmenubaritem"; }
};

class TspDataSkinTrackBar : public TspDataSkinObject {
public:
    gfx::Rect ButtonRect;
    gfx::Rect ActiveButtonRect;
    gfx::Point BeginPoint;
    gfx::Point EndPoint;
    int MinValue = 0;
    int MaxValue = 0;
    bool MouseDownChangeValue = false;
    bool ButtonTransparent = false;
    gfx::Color ButtonTransparentColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "trackbar"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinGauge : public TspDataSkinObject {
public:
    int MinValue = 0;
    int MaxValue = 0;
    TspGaugeKind Kind = TspGaugeKind::Horizontal;

    [[nodiscard]] std::string_view KindName() const override { return "gauge"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinFrameGaugeObject : public TspDataSkinObject {
public:
    int MinValue = 0;
    int MaxValue = 0;
    int CountFrames = 0;
    TspFramesPlacement FramesPlacement = TspFramesPlacement::Horizontal;

    [[nodiscard]] std::string_view KindName() const override { return "framegauge"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinFrameRegulatorObject : public TspDataSkinObject {
public:
    int MinValue = 0;
    int MaxValue = 0;
    int CountFrames = 0;
    TspFramesPlacement FramesPlacement = TspFramesPlacement::Horizontal;
    TspRegulatorKind Kind = TspRegulatorKind::Round;

    [[nodiscard]] std::string_view KindName() const override { return "frameregulator"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinLabel : public TspDataSkinObject {
public:
    gfx::Font Font = DefaultSkinFont();
    gfx::Color ActiveFontColor = 0;
    TspAlignment Alignment = TspAlignment::Center;
    std::string TextValue;

    [[nodiscard]] std::string_view KindName() const override { return "label"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinBitLabel : public TspDataSkinObject {
public:
    std::string TextValue;
    int SymbolWidth = 0;
    int SymbolHeight = 0;
    std::vector<std::string> Symbols;
    bool Transparent = false;
    gfx::Color TransparentColor = 16711935;

    [[nodiscard]] std::string_view KindName() const override { return "bitlabel"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinSwitch : public TspDataSkinObject {
public:
    [[nodiscard]] std::string_view KindName() const override { return "switch"; }
};

class TspDataSkinAnimate : public TspDataSkinObject {
public:
    int CountFrames = 1;
    bool Cycle = false;
    bool ButtonStyle = false;
    int TimerInterval = 50;
    TspCommand Command = TspCommand::Default;
    gfx::Rect DownSkinRect;
    gfx::Rect RestoreRect;
    gfx::Rect RestoreActiveRect;
    gfx::Rect RestoreDownRect;
    gfx::Rect RestoreInActiveRect;

    [[nodiscard]] std::string_view KindName() const override { return "animate"; }
    void Exchange(KeyExchange& io) override;
    // Reads the keys; an animation never morphs, whatever its section says.
    void LoadFromIni(const IniFile& ini) override;
};

// An object the program draws itself: only its place, roll-up flag and cursor come from the skin.
class TspDataUserObject : public TspDataSkinObject {
public:
    [[nodiscard]] std::string_view KindName() const override { return "userobject"; }
    void Exchange(KeyExchange& io) override;
};

}  // namespace skin
