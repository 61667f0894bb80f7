#include "controls/text/skin_edit.h"

#include <algorithm>

#include "gfx/text.h"
#include "platform/timer.h"
#include "skin/records/data_skin_control_text.h"
#include "skin/skin_data.h"

namespace controls {

TspSkinEdit::TspSkinEdit(platform::Component* owner) : platform::WinControl(owner) {
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

void TspSkinEdit::SetDefaultFont(const gfx::Font& font) {
    defaultFont_ = font;
    // The height follows the font when the skin's font is not used.
    SetBounds(BoundsRect());
    Invalidate();
}

void TspSkinEdit::SetUseSkinFont(bool use) {
    useSkinFont_ = use;
    SetBounds(BoundsRect());
    Invalidate();
}

void TspSkinEdit::SetDefaultWidth(int width) {
    defaultWidth_ = width;
    FetchSkinData();
    if (!section_ && width > 0) SetWidth(width);
}

void TspSkinEdit::SetDefaultHeight(int height) {
    defaultHeight_ = height;
    FetchSkinData();
    if (!section_ && height > 0) SetHeight(height);
}

void TspSkinEdit::SetButtonMode(bool on) {
    buttonMode_ = on;
    CaretMoved();
}

void TspSkinEdit::SetAlphaBlend(bool on) {
    alphaBlend_ = on;
    Invalidate();
}

void TspSkinEdit::SetAlphaBlendValue(std::uint8_t value) {
    alphaBlendValue_ = value;
    Invalidate();
}

void TspSkinEdit::SetSkinData(skin::TspSkinData* data) {
    if (data == skinData_) return;
    if (skinData_) RemoveFreeNotification(skinData_);
    skinData_ = data;
    if (skinData_) FreeNotification(skinData_);
    if (skinData_ && !skinData_->IsEmpty()) ApplySkinChange();
}

void TspSkinEdit::ComponentRemoved(platform::Component* removed) {
    if (removed != skinData_) return;
    skinData_ = nullptr;
    section_ = nullptr;
    picture_ = nullptr;
}

void TspSkinEdit::FetchSkinData() {
    section_ = nullptr;
    picture_ = nullptr;
    if (!skinData_ || skinData_->IsEmpty()) return;
    const int index = skinData_->FindControl(skinDataName_);
    if (index < 0) return;
    section_ = dynamic_cast<const skin::TspDataSkinEditControl*>(skinData_->Controls()[index].get());
    if (section_) picture_ = skinData_->ActivePicture(section_->PictureIndex);
}

void TspSkinEdit::ApplySkinChange() {
    FetchSkinData();
    if (!section_) {
        if (defaultWidth_ > 0) SetWidth(defaultWidth_);
        if (defaultHeight_ > 0) SetHeight(defaultHeight_);
    }
    SetBounds(BoundsRect());
    CaretMoved();
}

int TspSkinEdit::FittedHeight(int height) const {
    if (!useSkinFont_) {
        const int cell = gfx::TextHeight(defaultFont_);
        if (!section_) return cell + 4;
        return cell + section_->SkinRect.height() - section_->ClientRect.height();
    }
    return section_ ? section_->SkinRect.height() : height;
}

void TspSkinEdit::SetBounds(int left, int top, int width, int height) {
    FetchSkinData();
    platform::Control::SetBounds(left, top, width, FittedHeight(height));
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
        if (!useSkinFont_) area.bottom += Height() - section_->SkinRect.height();
    }
    const gfx::Rect button = ButtonRect();
    if (!button.empty()) area.right = std::min(area.right, button.left);
    return area;
}

gfx::Font TspSkinEdit::TextFont() const {
    gfx::Font font = section_ && useSkinFont_ ? section_->Font : defaultFont_;
    if (section_) font.FontColor = activeColor_ ? section_->ActiveFontColor : section_->Font.FontColor;
    if (!IsEnabled()) font.FontColor = section_ ? section_->DisabledFontColor : gfx::clGrayText;
    return font;
}

void TspSkinEdit::EnabledChanged() {
    UpdateBlink();
    Invalidate();
}

void TspSkinEdit::Notify(const platform::Notification& n) {
    if (n.message == platform::Message::BackgroundChanged && alphaBlend_) Invalidate();
}

}  // namespace controls
