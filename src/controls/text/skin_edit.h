#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "controls/base/on_demand_timer.h"
#include "controls/base/skin_custom_control.h"
#include "controls/text/line_editor.h"
#include "skin/definition/skin_enums.h"

namespace platform {
class Clipboard;
}  // namespace platform

namespace skin {
class TspDataSkinEditControl;
}  // namespace skin

namespace controls {

// The single-line text field (the player's name in the start window). Its border and
// background come from the skin's "edit" section or a plain sunken look; the editing is
// our own LineEditor: caret with blinking, selection by mouse and by Shift, word moves and
// deletion, the clipboard through the window system (Ctrl+X/C/V, Shift+Delete/Insert,
// Ctrl+Insert), MaxLength in characters, ReadOnly, CharCase and HideSelection. Only text
// Windows-1251 can encode is taken. EditMask is stored but not enforced: no window of the
// game sets one. There is no undo. With UseSkinFont off the edit is as high as its font's
// cell and the skin's vertical border, whatever height is asked.
class TspSkinEdit : public TspSkinCustomControl {
public:
    explicit TspSkinEdit(platform::Component* owner = nullptr);
    ~TspSkinEdit() override;

    // The text as UTF-8; setting it as a program does (not cut to MaxLength).
    [[nodiscard]] std::string Text() const { return editor_.Text(); }
    void SetText(std::string_view utf8);
    [[nodiscard]] bool ReadOnly() const { return editor_.ReadOnly; }
    void SetReadOnly(bool readOnly);
    // The most characters the user may bring the text to; 0 for no limit.
    [[nodiscard]] int MaxLength() const { return editor_.MaxLength(); }
    void SetMaxLength(int chars) { editor_.SetMaxLength(chars); }
    [[nodiscard]] TEditCharCase CharCase() const { return editor_.CharCase(); }
    void SetCharCase(TEditCharCase charCase);
    // Stored only; the edit does not enforce masks.
    std::string EditMask;
    // Whether the selection is hidden while the edit has no focus.
    [[nodiscard]] bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide);
    // Where the text of a disabled edit is placed.
    [[nodiscard]] skin::TspAlignment Alignment() const { return alignment_; }
    void SetAlignment(skin::TspAlignment alignment);
    // The selection, as the component model's SelStart and SelLength.
    [[nodiscard]] int SelStart() const { return editor_.SelStart(); }
    [[nodiscard]] int SelLength() const { return editor_.SelLength(); }
    void SetSelection(int start, int length);
    void SelectAll();
    // Clipboard commands.
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    // The editing state, for reading the caret and scroll.
    [[nodiscard]] const LineEditor& Editor() const { return editor_; }

    // The background without a skin section.
    [[nodiscard]] gfx::Color DefaultColor() const { return defaultColor_; }
    void SetDefaultColor(gfx::Color color);
    // A small button at the right end of the field (OnButtonClick).
    [[nodiscard]] bool ButtonMode() const { return buttonMode_; }
    void SetButtonMode(bool on);

    NotifyEvent OnChange;
    NotifyEvent OnButtonClick;

    // Copies the edit's own keys too.
    void FetchSkinData() override;
    // The height follows the font's cell when the skin's font is not used.
    void FitSkinSize(gfx::Size& size) override;
    void ForgetSkinSection() override;
    void ApplySkinChange() override;
    void DefaultFontChanged() override;

    // The border widths (left, top, right, bottom as a rect of widths).
    [[nodiscard]] gfx::Rect BorderWidths() const;
    // Where the text lies, in local coordinates.
    [[nodiscard]] gfx::Rect TextArea() const;
    // The square of the button in ButtonMode (empty otherwise).
    [[nodiscard]] gfx::Rect ButtonRect() const;
    // The font and colour the text is drawn in now.
    [[nodiscard]] gfx::Font TextFont() const;
    // Whether the caret is drawn at this moment (focused and in the visible blink phase).
    [[nodiscard]] bool CaretShown() const { return caretOn_ && Focused(); }
    // Whether the caret blinks now (a timer is running).
    [[nodiscard]] bool Blinking() const;

    void SetBounds(int left, int top, int width, int height) override;
    using Control::SetBounds;
    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseMove(unsigned shift, gfx::Point p) override;
    void MouseUp(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(platform::Key& key, unsigned shift) override;
    void KeyPress(char32_t& ch) override;
    void FocusChanged(bool focused) override;
    void WindowActivationChanged(bool active) override;
    void EnabledChanged() override;

protected:
    void RenderSkinImage(gfx::Bitmap& image) override;
    void RenderDefaultImage(gfx::Bitmap& image) override;

private:
    [[nodiscard]] int FittedHeight(int height) const;
    void TextChanged();
    // After a caret move or edit: scroll the caret into view, show it, repaint.
    void CaretMoved();
    void UpdateBlink();
    // One blink: the caret shows or hides.
    void Blink();
    [[nodiscard]] int MeasureChars(std::u32string_view text) const;
    [[nodiscard]] int TextOrigin() const;
    [[nodiscard]] platform::Clipboard* GetClipboard() const;
    void RenderSkinBorder(gfx::Bitmap& image) const;
    void RenderDefaultBorder(gfx::Bitmap& image) const;
    void RenderButton(gfx::Bitmap& image) const;
    void RenderText(gfx::Bitmap& image) const;

    LineEditor editor_;
    bool hideSelection_ = true;
    skin::TspAlignment alignment_ = skin::TspAlignment::Left;
    gfx::Color defaultColor_ = gfx::clWindow;
    bool buttonMode_ = false;

    const skin::TspDataSkinEditControl* section_ = nullptr;
    bool activeColor_ = false;
    bool buttonHot_ = false;
    bool buttonPressed_ = false;
    bool selecting_ = false;
    int clickCount_ = 0;
    std::int64_t lastClickMs_ = 0;
    gfx::Point lastClickAt_;
    bool caretOn_ = false;
    OnDemandTimer blink_;
};

}  // namespace controls
