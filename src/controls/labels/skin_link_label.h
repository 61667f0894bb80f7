#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/label.h"
#include "platform/shell.h"
#include "skin/records/data_skin_control_text.h"
#include "skin/skin_data.h"
#include "skin/skinned_control.h"

namespace controls {

// A hyperlink-style text: underlined, in the link colours of the skin's "stdlabel" section (or
// its own defaults), turning to the active colour under the pointer, with the hand cursor. A
// click raises OnClick and then opens URL with the desktop's handler.
class TspSkinLinkLabel : public platform::TLabel, public skin::SkinnedControl {
public:
    explicit TspSkinLinkLabel(platform::Component* owner = nullptr);

    // The text is underlined.
    [[nodiscard]] bool UseUnderLine() const { return useUnderLine_; }
    void SetUnderLine(bool underline);
    // The text takes the section's font (else Font).
    bool UseSkinFont = true;
    // The colour under the pointer without a section.
    gfx::Color DefaultActiveFontColor = 0xFF0000;
    // The address a click opens; nothing is opened while it is empty.
    std::string URL;
    // The font without a section.
    [[nodiscard]] const gfx::Font& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(gfx::Font font);
    // Hands the address to the desktop; tests and embedders may route it elsewhere.
    std::function<bool(const std::string& address)> OpenAddress = platform::Shell::Open;

    // The skin and the section the colours come from ("stdlabel").
    [[nodiscard]] skin::TspSkinData* SkinData() const override { return skinData_; }
    void SetSkinData(skin::TspSkinData* data);
    std::string SkinDataName = "stdlabel";
    [[nodiscard]] const std::optional<skin::TspDataSkinStdLabelControl>& Section() const { return section_; }
    void ForgetSkinSection() override { section_.reset(); }
    void ApplySkinChange() override;

    // Whether the pointer is over the label.
    [[nodiscard]] bool PointerInside() const { return pointerInside_; }
    // The font the text is drawn in now, colour included.
    [[nodiscard]] gfx::Font DrawFont() const;

    void Paint(gfx::Painter& painter) override;
    void Click() override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void ComponentRemoved(platform::Component* removed) override;

private:
    void FetchSkinData();

    bool useUnderLine_ = true;
    gfx::Font defaultFont_{"Arial", 14, gfx::fsUnderline, gfx::clBtnText};
    skin::TspSkinData* skinData_ = nullptr;
    std::optional<skin::TspDataSkinStdLabelControl> section_;
    bool pointerInside_ = false;
};

}  // namespace controls
