#include "controls/labels/skin_link_label.h"

namespace controls {

TspSkinLinkLabel::TspSkinLinkLabel(platform::Component* owner) : TLabel(owner) {
    SetTransparent(true);
    ControlCursor = platform::Cursor::HandPoint;
    SetFont(defaultFont_);
}

void TspSkinLinkLabel::SetUnderLine(bool underline) {
    if (underline == useUnderLine_) return;
    useUnderLine_ = underline;
    Invalidate();
}

void TspSkinLinkLabel::SetDefaultFont(gfx::Font font) {
    defaultFont_ = std::move(font);
    Invalidate();
}

void TspSkinLinkLabel::SetSkinData(skin::TspSkinData* data) {
    if (data == skinData_) return;
    if (skinData_) RemoveFreeNotification(skinData_);
    skinData_ = data;
    if (skinData_) FreeNotification(skinData_);
    ApplySkinChange();
}

void TspSkinLinkLabel::ComponentRemoved(platform::Component* removed) {
    if (removed != skinData_) return;
    skinData_ = nullptr;
    section_.reset();
    Invalidate();
}

void TspSkinLinkLabel::FetchSkinData() {
    section_.reset();
    if (!skinData_ || skinData_->IsEmpty()) return;
    const int index = skinData_->FindControl(SkinDataName);
    if (index < 0) return;
    if (const auto* s = dynamic_cast<const skin::TspDataSkinStdLabelControl*>(skinData_->Controls()[index].get()))
        section_ = *s;
}

void TspSkinLinkLabel::ApplySkinChange() {
    FetchSkinData();
    Invalidate();
}

gfx::Font TspSkinLinkLabel::DrawFont() const {
    gfx::Font font;
    if (section_) {
        font = UseSkinFont ? section_->Font : Font();
        font.FontColor = pointerInside_ ? section_->ActiveFontColor : section_->Font.FontColor;
    } else {
        font = UseSkinFont ? defaultFont_ : Font();
        if (pointerInside_) font.FontColor = DefaultActiveFontColor;
    }
    font.Style = useUnderLine_ ? (font.Style | gfx::fsUnderline) : (font.Style & ~gfx::fsUnderline);
    return font;
}

void TspSkinLinkLabel::Paint(gfx::Painter& painter) {
    FetchSkinData();
    if (!Transparent()) painter.FillRect(ClientRect(), gfx::ColorToPixel(Color()));
    const gfx::Font font = DrawFont();
    const unsigned format = TextFormat();
    if (IsEnabled()) {
        painter.DrawText(font, Caption(), ClientRect(), format);
        return;
    }
    // Disabled text is embossed: a highlight copy one pixel down-right under the shadow-coloured text.
    const bool skinned = section_ && skinData_;
    const gfx::Color light = skinned ? skinData_->SkinColors().cBtnHighLight : gfx::clBtnHighlight;
    const gfx::Color dark = skinned ? skinData_->SkinColors().cBtnShadow : gfx::clBtnShadow;
    painter.DrawText(font, Caption(), ClientRect().translated(1, 1), format, gfx::ColorToPixel(light));
    painter.DrawText(font, Caption(), ClientRect(), format, gfx::ColorToPixel(dark));
}

void TspSkinLinkLabel::Click() {
    TLabel::Click();
    if (!URL.empty() && OpenAddress) OpenAddress(URL);
}

void TspSkinLinkLabel::MouseEnter() {
    TLabel::MouseEnter();
    pointerInside_ = true;
    Invalidate();
}

void TspSkinLinkLabel::MouseLeave() {
    pointerInside_ = false;
    Invalidate();
}

}  // namespace controls
