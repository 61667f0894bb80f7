#pragma once

#include "gfx/colour.h"

namespace skin {

class IniFile;
class KeyExchange;

// The colours a skin gives to plain platform drawing ([SKINCOLORS]). A loaded skin leaves
// the ones it does not name black; with no skin loaded they are the system colours.
class TspDataSkinColors {
public:
    gfx::Color cBtnFace = 0;
    gfx::Color cBtnText = 0;
    gfx::Color cWindow = 0;
    gfx::Color cWindowText = 0;
    gfx::Color cHighLight = 0;
    gfx::Color cHighLightText = 0;
    gfx::Color cBtnHighLight = 0;
    gfx::Color cBtnShadow = 0;
    gfx::Color c3DLight = 0;
    gfx::Color c3DDkShadow = 0;

    // The colours of an empty skin: the platform's system colours.
    [[nodiscard]] static TspDataSkinColors SystemColors();

    // Visits every key of [SKINCOLORS] in reading order.
    void Exchange(KeyExchange& io);
    // Reads [SKINCOLORS]; absent keys are black.
    void LoadFromIni(const IniFile& ini);
    // Replaces [SKINCOLORS] with the canonical written form.
    void SaveToIni(IniFile& ini) const;

    friend bool operator==(const TspDataSkinColors&, const TspDataSkinColors&) = default;
};

}  // namespace skin
