#pragma once

#include "gfx/font.h"
#include "skin/records/data_skin_control.h"

namespace skin {

// Control records for push buttons, check and radio boxes and up-down buttons.

class TspDataSkinButtonControl : public TspDataSkinCustomControl {
public:
    gfx::Font Font = DefaultSkinFont();
    gfx::Color ActiveFontColor = 0;
    gfx::Color DisabledFontColor = 0;
    gfx::Color DownFontColor = 0;
    bool Morphing = false;
    TspMorphKind MorphKind = TspMorphKind::Default;
    gfx::Rect ActiveSkinRect;
    gfx::Rect DownSkinRect;
    gfx::Rect FocusedSkinRect;
    gfx::Rect DisabledSkinRect;
    gfx::Rect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 25;
    bool ShowFocus = false;
    gfx::Rect MenuMarkerFlatRect;
    gfx::Rect MenuMarkerRect;
    gfx::Rect MenuMarkerActiveRect;
    gfx::Rect MenuMarkerDownRect;
    gfx::Color MenuMarkerTransparentColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "button"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinMenuButtonControl : public TspDataSkinButtonControl {
public:
    gfx::Rect TrackButtonRect;

    [[nodiscard]] std::string_view KindName() const override { return "menubutton"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinCheckRadioControl : public TspDataSkinCustomControl {
public:
    gfx::Font Font = DefaultSkinFont();
    gfx::Color ActiveFontColor = 0;
    gfx::Color UnEnabledFontColor = 0;
    gfx::Color FrameFontColor = 0;
    bool Morphing = false;
    TspMorphKind MorphKind = TspMorphKind::Default;
    gfx::Rect ActiveSkinRect;
    gfx::Rect CheckImageArea;
    gfx::Rect TextArea;
    gfx::Rect CheckImageRect;
    gfx::Rect UnCheckImageRect;
    gfx::Rect ActiveCheckImageRect;
    gfx::Rect ActiveUnCheckImageRect;
    gfx::Rect UnEnabledCheckImageRect;
    gfx::Rect UnEnabledUnCheckImageRect;
    gfx::Rect GrayedCheckImageRect;
    gfx::Rect ActiveGrayedCheckImageRect;

    [[nodiscard]] std::string_view KindName() const override { return "checkradio"; }
    void Exchange(KeyExchange& io) override;
};

// Two buttons in one picture; the control itself has no frame, so its corner points and
// client rectangle are always cleared after reading.
class TspDataSkinUpDownControl : public TspDataSkinCustomControl {
public:
    gfx::Rect UpButtonRect;
    gfx::Rect ActiveUpButtonRect;
    gfx::Rect DownUpButtonRect;
    gfx::Rect DownButtonRect;
    gfx::Rect ActiveDownButtonRect;
    gfx::Rect DownDownButtonRect;

    [[nodiscard]] std::string_view KindName() const override { return "updown"; }
    void Exchange(KeyExchange& io) override;
    // Reads the keys, then clears the corner points and the client rectangle.
    void LoadFromIni(const IniFile& ini) override;
};

}  // namespace skin
