#pragma once

#include <string>
#include <vector>

#include "gfx/font.h"
#include "skin/objects/active_skin_object.h"

namespace skin {

// Frame objects a skin may place besides the caption and the system buttons. They hold what
// their records say and draw with the looks every frame object has; what they would do
// beyond that is for a skin that uses them to define.

// A value bar on the frame.
class TspSkinGaugeObject : public TspActiveSkinObject {
public:
    TspSkinGaugeObject(TspSkinForm& form, const TspDataSkinGauge& record)
        : TspActiveSkinObject(form, record), MinValue(record.MinValue), MaxValue(record.MaxValue), Kind(record.Kind) {}
    int MinValue;
    int MaxValue;
    TspGaugeKind Kind;
};

// An object the program draws itself.
class TspUserObject : public TspActiveSkinObject {
public:
    TspUserObject(TspSkinForm& form, const TspDataUserObject& record) : TspActiveSkinObject(form, record) {}
};

// A two-state switch on the frame.
class TspSkinSwitchObject : public TspActiveSkinObject {
public:
    TspSkinSwitchObject(TspSkinForm& form, const TspDataSkinSwitch& record) : TspActiveSkinObject(form, record) {}
};

// A slider on the frame.
class TspSkinTrackBarObject : public TspActiveSkinObject {
public:
    TspSkinTrackBarObject(TspSkinForm& form, const TspDataSkinTrackBar& record)
        : TspActiveSkinObject(form, record),
          ButtonRect(record.ButtonRect),
          ActiveButtonRect(record.ActiveButtonRect),
          BeginPoint(record.BeginPoint),
          EndPoint(record.EndPoint),
          MinValue(record.MinValue),
          MaxValue(record.MaxValue),
          MouseDownChangeValue(record.MouseDownChangeValue),
          ButtonTransparent(record.ButtonTransparent),
          ButtonTransparentColor(record.ButtonTransparentColor) {}
    gfx::Rect ButtonRect;
    gfx::Rect ActiveButtonRect;
    gfx::Point BeginPoint;
    gfx::Point EndPoint;
    int MinValue;
    int MaxValue;
    bool MouseDownChangeValue;
    bool ButtonTransparent;
    gfx::Color ButtonTransparentColor;
};

// A text on the frame.
class TspSkinLabelObject : public TspActiveSkinObject {
public:
    TspSkinLabelObject(TspSkinForm& form, const TspDataSkinLabel& record)
        : TspActiveSkinObject(form, record),
          Font(record.Font),
          ActiveFontColor(record.ActiveFontColor),
          Alignment(record.Alignment),
          TextValue(record.TextValue) {}
    gfx::Font Font;
    gfx::Color ActiveFontColor;
    TspAlignment Alignment;
    std::string TextValue;
};

// A frame-by-frame picture, optionally working as a button with a command.
class TspSkinAnimateObject : public TspActiveSkinObject {
public:
    TspSkinAnimateObject(TspSkinForm& form, const TspDataSkinAnimate& record)
        : TspActiveSkinObject(form, record),
          CountFrames(record.CountFrames),
          Cycle(record.Cycle),
          ButtonStyle(record.ButtonStyle),
          TimerInterval(record.TimerInterval),
          Command(record.Command),
          DownSkinRect(record.DownSkinRect),
          RestoreRect(record.RestoreRect),
          RestoreActiveRect(record.RestoreActiveRect),
          RestoreDownRect(record.RestoreDownRect),
          RestoreInActiveRect(record.RestoreInActiveRect) {}
    int CountFrames;
    bool Cycle;
    bool ButtonStyle;
    int TimerInterval;
    TspCommand Command;
    gfx::Rect DownSkinRect;
    gfx::Rect RestoreRect;
    gfx::Rect RestoreActiveRect;
    gfx::Rect RestoreDownRect;
    gfx::Rect RestoreInActiveRect;
};

// A text drawn from a strip of symbol pictures.
class TspSkinBitLabelObject : public TspActiveSkinObject {
public:
    TspSkinBitLabelObject(TspSkinForm& form, const TspDataSkinBitLabel& record)
        : TspActiveSkinObject(form, record),
          TextValue(record.TextValue),
          SymbolWidth(record.SymbolWidth),
          SymbolHeight(record.SymbolHeight),
          Symbols(record.Symbols),
          Transparent(record.Transparent),
          TransparentColor(record.TransparentColor) {}
    std::string TextValue;
    int SymbolWidth;
    int SymbolHeight;
    std::vector<std::string> Symbols;
    bool Transparent;
    gfx::Color TransparentColor;
};

// The base of frame objects that show a value as one of several picture frames.
class TspSkinFrameObject : public TspActiveSkinObject {
public:
    TspSkinFrameObject(TspSkinForm& form, const TspDataSkinObject& record, int minValue, int maxValue, int countFrames,
                       TspFramesPlacement placement)
        : TspActiveSkinObject(form, record),
          MinValue(minValue),
          MaxValue(maxValue),
          CountFrames(countFrames),
          FramesPlacement(placement) {}
    int MinValue;
    int MaxValue;
    int CountFrames;
    TspFramesPlacement FramesPlacement;
};

// A value shown as one of several picture frames.
class TspSkinFrameGaugeObject : public TspSkinFrameObject {
public:
    TspSkinFrameGaugeObject(TspSkinForm& form, const TspDataSkinFrameGaugeObject& record)
        : TspSkinFrameObject(form, record, record.MinValue, record.MaxValue, record.CountFrames,
                             record.FramesPlacement) {}
};

// A knob or slider shown as one of several picture frames.
class TspSkinFrameRegulatorObject : public TspSkinFrameObject {
public:
    TspSkinFrameRegulatorObject(TspSkinForm& form, const TspDataSkinFrameRegulatorObject& record)
        : TspSkinFrameObject(form, record, record.MinValue, record.MaxValue, record.CountFrames,
                             record.FramesPlacement),
          Kind(record.Kind) {}
    TspRegulatorKind Kind;
};

// An item of a main menu shown on the frame, drawn from the "MAINMENUITEM" record.
class TspSkinMainMenuItem : public TspActiveSkinObject {
public:
    TspSkinMainMenuItem(TspSkinForm& form, const TspDataSkinMainMenuItem& record)
        : TspActiveSkinObject(form, record),
          ItemLeftOffset(record.ItemLeftOffset),
          ItemRightOffset(record.ItemRightOffset),
          DownRect(record.DownRect),
          TextRect(record.TextRect),
          Font(record.Font),
          ActiveFontColor(record.ActiveFontColor),
          DownFontColor(record.DownFontColor),
          UnEnabledFontColor(record.UnEnabledFontColor) {}
    int ItemLeftOffset;
    int ItemRightOffset;
    gfx::Rect DownRect;
    gfx::Rect TextRect;
    gfx::Font Font;
    gfx::Color ActiveFontColor;
    gfx::Color DownFontColor;
    gfx::Color UnEnabledFontColor;
};

}  // namespace skin
