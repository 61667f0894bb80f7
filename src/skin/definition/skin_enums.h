#pragma once

#include <string_view>

#include "skin/definition/skin_values.h"

namespace skin {

// Which way the middle parts of a framed picture stretch.
enum class TspStretchType { Full = 0, Horz = 1, Vert = 2 };
// How a control fades between its normal and active pictures.
enum class TspMorphKind { Default = 0, Gradient, LeftGradient, RightGradient, LeftSlide, RightSlide, Push };
// How an inactive window frame is derived from the active one.
enum class TspInactiveEffect { Brightness = 0, Darkness, Grayscale, Noise, SplitBlur, Invert };
// Horizontal text alignment.
enum class TspAlignment { Left = 0, Right = 1, Center = 2 };
// What a frame button does.
enum class TspCommand { Close = 0, Maximize, Minimize, SysMenu, Default, RollUp, MinimizeToTray };
// Direction of a gauge object.
enum class TspGaugeKind { Horizontal = 0, Vertical = 1 };
// How the frames of a multi-frame picture are laid out.
enum class TspFramesPlacement { Horizontal = 0, Vertical = 1 };
// Shape of a frame regulator.
enum class TspRegulatorKind { Round = 0, Horizontal = 1, Vertical = 2 };

inline constexpr std::string_view kStretchTypeNames[] = {"stfull", "sthorz", "stvert"};
inline constexpr std::string_view kMorphKindNames[] = {
    "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide", "mkpush"};
inline constexpr std::string_view kInactiveEffectNames[] = {"iebrightness", "iedarkness",  "iegrayscale",
                                                            "ienoise",      "iesplitblur", "ieinvert"};
inline constexpr std::string_view kAlignmentNames[] = {"taleftjustify", "tarightjustify", "tacenter"};
inline constexpr std::string_view kCommandNames[] = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                                     "cmdefault", "cmrollup",   "cmminimizetotray"};
inline constexpr std::string_view kGaugeKindNames[] = {"gkhorizontal", "gkvertical"};
inline constexpr std::string_view kFramesPlacementNames[] = {"fphorizontal", "fpvertical"};
inline constexpr std::string_view kRegulatorKindNames[] = {"rkround", "rkhorizontal", "rkvertical"};

// Unknown texts read as: horizontal stretch, default morph, grayscale, right alignment,
// minimise to tray, vertical gauge, vertical frames, vertical regulator.
inline constexpr EnumTexts kStretchTypeTexts{kStretchTypeNames, 1};
inline constexpr EnumTexts kMorphKindTexts{kMorphKindNames, 0};
inline constexpr EnumTexts kInactiveEffectTexts{kInactiveEffectNames, 2};
inline constexpr EnumTexts kAlignmentTexts{kAlignmentNames, 1};
inline constexpr EnumTexts kCommandTexts{kCommandNames, 6};
inline constexpr EnumTexts kGaugeKindTexts{kGaugeKindNames, 1};
inline constexpr EnumTexts kFramesPlacementTexts{kFramesPlacementNames, 1};
inline constexpr EnumTexts kRegulatorKindTexts{kRegulatorKindNames, 2};

}  // namespace skin
