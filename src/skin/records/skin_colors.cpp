#include "skin/records/skin_colors.h"

#include "skin/definition/ini_file.h"
#include "skin/definition/key_exchange.h"

namespace skin {

namespace {
constexpr std::string_view kSection = "SKINCOLORS";
}

TspDataSkinColors TspDataSkinColors::SystemColors() {
    return {gfx::clBtnFace,       gfx::clBtnText,      gfx::clWindow,    gfx::clWindowText, gfx::clHighlight,
            gfx::clHighlightText, gfx::clBtnHighlight, gfx::clBtnShadow, gfx::cl3DLight,    gfx::cl3DDkShadow};
}

void TspDataSkinColors::Exchange(KeyExchange& io) {
    io.Color("cbtnface", cBtnFace);
    io.Color("cbtntext", cBtnText);
    io.Color("cwindow", cWindow);
    io.Color("cwindowtext", cWindowText);
    io.Color("chighlight", cHighLight);
    io.Color("chighlighttext", cHighLightText);
    io.Color("cbtnhighlight", cBtnHighLight);
    io.Color("cbtnshadow", cBtnShadow);
    io.Color("c3dlight", c3DLight);
    io.Color("c3ddkshadow", c3DDkShadow);
}

void TspDataSkinColors::LoadFromIni(const IniFile& ini) {
    *this = TspDataSkinColors{};
    ReadSection(ini, kSection, *this);
}

void TspDataSkinColors::SaveToIni(IniFile& ini) const { WriteSection(ini, kSection, *this); }

}  // namespace skin
