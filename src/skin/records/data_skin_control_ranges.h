#pragma once

#include "gfx/font.h"
#include "skin/records/data_skin_control.h"

namespace skin {

// Control records that show or pick a value in a range: track bars, sliders, gauges,
// scroll bars and the frame-strip controls.

class TspDataSkinTrackBarControl : public TspDataSkinCustomControl {
public:
    gfx::Rect ActiveSkinRect;
    gfx::Rect TrackArea;
    gfx::Rect ButtonRect;
    gfx::Rect ActiveButtonRect;
    bool Vertical = false;
    bool ButtonTransparent = false;
    gfx::Color ButtonTransparentColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "trackbar"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinSlider : public TspDataSkinControl {
public:
    gfx::Color BGColor = 0;
    gfx::Rect HRulerRect;
    gfx::Rect HThumbRect;
    gfx::Rect VRulerRect;
    gfx::Rect VThumbRect;
    int EdgeSize = 0;
    gfx::Color PointsColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "slider"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinGaugeControl : public TspDataSkinCustomControl {
public:
    gfx::Rect ProgressArea;
    gfx::Rect ProgressRect;
    int BeginOffset = 0;
    int EndOffset = 0;
    bool Vertical = false;
    gfx::Font Font = DefaultSkinFont();
    bool ProgressTransparent = false;
    gfx::Color ProgressTransparentColor = 0;
    bool ProgressStretch = false;
    gfx::Rect AnimationSkinRect;
    int AnimationCountFrames = 0;
    int AnimationTimerInterval = 0;
    gfx::Rect ProgressAnimationSkinRect;
    int ProgressAnimationCountFrames = 0;
    int ProgressAnimationTimerInterval = 0;
    int AnimationBeginOffset = 0;
    int AnimationEndOffset = 0;

    [[nodiscard]] std::string_view KindName() const override { return "gauge"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinScrollBarControl : public TspDataSkinCustomControl {
public:
    gfx::Rect TrackArea;
    gfx::Rect UpButtonRect;
    gfx::Rect ActiveUpButtonRect;
    gfx::Rect DownUpButtonRect;
    gfx::Rect DownButtonRect;
    gfx::Rect ActiveDownButtonRect;
    gfx::Rect DownDownButtonRect;
    gfx::Rect ThumbRect;
    gfx::Rect ActiveThumbRect;
    gfx::Rect DownThumbRect;
    int ThumbOffset1 = 0;
    int ThumbOffset2 = 0;
    bool ThumbTransparent = false;
    gfx::Color ThumbTransparentColor = 0;
    bool ThumbStretchEffect = false;
    int ThumbMinSize = 0;
    int ThumbMinPageSize = 0;
    gfx::Rect GlyphRect;
    gfx::Rect ActiveGlyphRect;
    gfx::Rect DownGlyphRect;
    bool GlyphTransparent = false;
    gfx::Color GlyphTransparentColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "scrollbar"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinFrameRegulator : public TspDataSkinFrameControl {
public:
    TspRegulatorKind Kind = TspRegulatorKind::Round;

    [[nodiscard]] std::string_view KindName() const override { return "frameregulator"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinFrameGauge : public TspDataSkinFrameControl {
public:
    [[nodiscard]] std::string_view KindName() const override { return "framegauge"; }
};

class TspDataSkinAnimateControl : public TspDataSkinFrameControl {
public:
    [[nodiscard]] std::string_view KindName() const override { return "animate"; }
};

class TspDataSkinSwitchControl : public TspDataSkinFrameControl {
public:
    [[nodiscard]] std::string_view KindName() const override { return "switch"; }
};

}  // namespace skin
