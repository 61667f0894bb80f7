#include "controls/text/skin_edit.h"

#include <algorithm>

#include "gfx/text.h"
#include "skin/records/data_skin_control_text.h"

namespace controls {

TspSkinEdit::TspSkinEdit(platform::Component* owner) : TspSkinCustomControl(owner), blink_([this] { Blink(); }) {
    SetSkinDataName("edit");
    SetDefaultFont({"Arial", 14, 0, gfx::clBlack});
    TabStop = true;
    ControlCursor = platform::Cursor::IBeam;
    Color = gfx::clWindow;
    editor_.OnChange = [this] { TextChanged(); };
    platform::Control::SetBounds(0, 0, 121, 20);
}

TspSkinEdit::~TspSkinEdit() = default;

void TspSkinEdit::TextChanged() {
    if (OnChange) OnChange(*this);
}

void TspSkinEdit::SetText(std::string_view utf8) {
    editor_.SetText(utf8);
    CaretMoved();
}

void TspSkinEdit::SetReadOnly(bool readOnly) {
    editor_.ReadOnly = readOnly;
    Invalidate();
}

void TspSkinEdit::SetCharCase(TEditCharCase charCase) {
    editor_.SetCharCase(charCase);
    Invalidate();
}

void TspSkinEdit::SetHideSelection(bool hide) {
    hideSelection_ = hide;
    Invalidate();
}

void TspSkinEdit::SetAlignment(skin::TspAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TspSkinEdit::SetSelection(int start, int length) {
    editor_.SetSelection(start, start + length);
    CaretMoved();
}

void TspSkinEdit::SelectAll() {
    editor_.SelectAll();
    CaretMoved();
}

void TspSkinEdit::SetDefaultColor(gfx::Color color) {
    defaultColor_ = color;
    if (!section_) Invalidate();
}

void TspSkinEdit::DefaultFontChanged() {
    // The height follows the font when the skin's font is not used.
    SetBounds(BoundsRect());
    CaretMoved();
}

void TspSkinEdit::SetButtonMode(bool on) {
    buttonMode_ = on;
    CaretMoved();
}

void TspSkinEdit::FetchSkinData() {
    TspSkinCustomControl::FetchSkinData();
    section_ = dynamic_cast<const skin::TspDataSkinEditControl*>(SectionRecord());
}

void TspSkinEdit::ForgetSkinSection() {
    TspSkinCustomControl::ForgetSkinSection();
    section_ = nullptr;
}

void TspSkinEdit::ApplySkinChange() {
    TspSkinCustomControl::ApplySkinChange();
    SetBounds(BoundsRect());
    CaretMoved();
}

void TspSkinEdit::FitSkinSize(gfx::Size& size) {
    TspSkinCustomControl::FitSkinSize(size);
    size.height = FittedHeight(size.height);
}

int TspSkinEdit::FittedHeight(int height) const {
    if (!UseSkinFont) {
        const int cell = gfx::TextHeight(DefaultFont());
        if (!section_) return cell + 4;
        return cell + section_->SkinRect.height() - section_->ClientRect.height();
    }
    return section_ ? section_->SkinRect.height() : height;
}

void TspSkinEdit::SetBounds(int left, int top, int width, int height) {
    FetchSkinData();
    TspSkinCustomControl::SetBounds(left, top, width, FittedHeight(height));
}

gfx::Rect TspSkinEdit::BorderWidths() const {
    if (!section_) return {2, 2, buttonMode_ ? Height() + 2 : 2, 2};
    const gfx::Rect& c = section_->ClientRect;
    return {c.left, c.top, section_->SkinRect.width() - c.right, section_->SkinRect.height() - c.bottom};
}

gfx::Rect TspSkinEdit::ButtonRect() const {
    if (!buttonMode_) return {};
    if (!section_) return {Width() - Height(), 0, Width(), Height()};
    gfx::Rect r = section_->ButtonRect;
    if (r.left >= section_->RightTopPoint.x) r.translate_by({Width() - section_->SkinRect.width(), 0});
    return r;
}

gfx::Rect TspSkinEdit::TextArea() const {
    gfx::Rect area{2, 2, Width() - 2, Height() - 2};
    if (section_) {
        area = section_->ClientRect;
        area.right += Width() - section_->SkinRect.width();
        if (!UseSkinFont) area.bottom += Height() - section_->SkinRect.height();
    }
    const gfx::Rect button = ButtonRect();
    if (!button.empty()) area.right = std::min(area.right, button.left);
    return area;
}

gfx::Font TspSkinEdit::TextFont() const {
    gfx::Font font = section_ ? ControlFont(section_->Font) : DefaultFont();
    if (section_) font.FontColor = activeColor_ ? section_->ActiveFontColor : section_->Font.FontColor;
    if (!IsEnabled()) font.FontColor = section_ ? section_->DisabledFontColor : gfx::clGrayText;
    return font;
}

void TspSkinEdit::EnabledChanged() {
    UpdateBlink();
    Invalidate();
}

}  // namespace controls
