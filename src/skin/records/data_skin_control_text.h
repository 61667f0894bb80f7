#pragma once

#include <string>
#include <vector>

#include "gfx/font.h"
#include "skin/records/data_skin_control.h"

namespace skin {

// Control records for labels and text entry.

class TspDataSkinLabelControl : public TspDataSkinCustomControl {
public:
    gfx::Font Font = DefaultSkinFont();

    [[nodiscard]] std::string_view KindName() const override { return "label"; }
    void Exchange(KeyExchange& io) override;
};

// A label drawn without a picture, only in the skin's font and colours.
class TspDataSkinStdLabelControl : public TspDataSkinControl {
public:
    gfx::Font Font = DefaultSkinFont();
    gfx::Color ActiveFontColor = 16711680;

    [[nodiscard]] std::string_view KindName() const override { return "stdlabel"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinBitLabelControl : public TspDataSkinCustomControl {
public:
    gfx::Rect SkinTextRect;
    int SymbolWidth = 0;
    int SymbolHeight = 0;
    std::vector<std::string> Symbols;

    [[nodiscard]] std::string_view KindName() const override { return "bitlabel"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinEditControl : public TspDataSkinCustomControl {
public:
    gfx::Rect ActiveSkinRect;
    gfx::Font Font = DefaultSkinFont();
    gfx::Color DisabledFontColor = 0;
    gfx::Color ActiveFontColor = 0;
    gfx::Rect ButtonRect;
    gfx::Rect ActiveButtonRect;
    gfx::Rect DownButtonRect;
    gfx::Rect UnEnabledButtonRect;

    [[nodiscard]] std::string_view KindName() const override { return "edit"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinMemoControl : public TspDataSkinEditControl {
public:
    gfx::Color BGColor = 0;
    gfx::Color ActiveBGColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "memo"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinSpinEditControl : public TspDataSkinCustomControl {
public:
    gfx::Rect ActiveSkinRect;
    gfx::Font Font = DefaultSkinFont();
    gfx::Color ActiveFontColor = 0;
    gfx::Color DisabledFontColor = 0;
    gfx::Rect UpButtonRect;
    gfx::Rect ActiveUpButtonRect;
    gfx::Rect DownUpButtonRect;
    gfx::Rect DownButtonRect;
    gfx::Rect ActiveDownButtonRect;
    gfx::Rect DownDownButtonRect;

    [[nodiscard]] std::string_view KindName() const override { return "spinedit"; }
    void Exchange(KeyExchange& io) override;
};

class TspDataSkinRichEdit : public TspDataSkinControl {
public:
    gfx::Font Font = DefaultSkinFont();
    gfx::Color BGColor = 0;

    [[nodiscard]] std::string_view KindName() const override { return "richedit"; }
    void Exchange(KeyExchange& io) override;
};

}  // namespace skin
