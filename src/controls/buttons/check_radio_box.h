#pragma once

#include <string>

#include "controls/base/morph_fader.h"
#include "controls/base/skin_custom_control.h"
#include "gfx/colour.h"

namespace controls {

// The three values of a check box.
enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// One class for check boxes and radio buttons. Flat (the default) shows the parent's background
// with the skin's check image and the caption on top; non-flat draws the section's whole picture
// behind them. Radio boxes of one parent with the same non-zero GroupIndex exclude each other.
class TspSkinCheckRadioBox : public TspSkinCustomControl {
public:
    explicit TspSkinCheckRadioBox(platform::Component* owner = nullptr);

    // Wrap the caption (flat mode only).
    [[nodiscard]] bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // A check box cycles through the grayed state too.
    [[nodiscard]] bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value);
    // The three-state value; setting it always raises OnClick.
    [[nodiscard]] TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    // Optional picture before the caption; cleared when the list is destroyed.
    [[nodiscard]] platform::ImageList* Images() const { return images_; }
    void SetImages(platform::ImageList* list);
    [[nodiscard]] int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // Caption colour from the skin (flat mode); off, DefaultFont's colour.
    bool UseSkinFontColor = true;
    // May take the focus; also sets TabStop.
    [[nodiscard]] bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool value);
    // Behave as a radio button.
    [[nodiscard]] bool Radio() const { return radio_; }
    void SetRadio(bool value);
    // Checked; a radio box becoming checked unchecks the others of its group.
    [[nodiscard]] bool Checked() const { return checked_; }
    void SetChecked(bool value);
    [[nodiscard]] int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    // Flat mode: the parent's background, no skin frame.
    [[nodiscard]] bool Flat() const { return flat_; }
    void SetFlat(bool value);
    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // Raised by a check box on every change and by a radio box when it becomes checked.
    NotifyEvent OnClick;

    // A check box inverts Checked; an unchecked radio box becomes checked.
    void Toggle();
    // The cross-fade level, 0 normal to 1 active.
    [[nodiscard]] double MorphLevel() const { return fader_.Level(); }
    void SetMorphLevel(double level) { fader_.SetLevel(level); }
    // The section fades (never in flat mode).
    [[nodiscard]] bool MorphEnabled() const;

    void FetchSkinData() override;
    void ApplySkinChange() override;
    void FitSkinSize(gfx::Size& size) override;
    void BackgroundChanged() override;
    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseUp(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyUp(platform::Key& key, unsigned shift) override;
    bool HandleAccelerator(char32_t ch) override;
    void FocusChanged(bool focused) override;
    void EnabledChanged() override;
    [[nodiscard]] bool CanFocus() const override;

protected:
    void RenderSkinImage(gfx::Bitmap& image) override;
    void RenderDefaultImage(gfx::Bitmap& image) override;
    [[nodiscard]] bool MaskIgnored() const override { return flat_; }
    [[nodiscard]] bool BlendsWithBackground() const override { return !flat_ && AlphaBlend(); }
    void ComponentRemoved(platform::Component* removed) override;

private:
    // The section's values a paint needs, with the empty rectangles already replaced.
    struct Look {
        gfx::Font Font;
        gfx::Color FontColor = 0;
        gfx::Color ActiveFontColor = 0;
        gfx::Color UnEnabledFontColor = 0;
        gfx::Color FrameFontColor = 0;
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
        bool Morphing = false;
        skin::TspMorphKind MorphKind = skin::TspMorphKind::Default;
    };

    // Stores the checked state and unchecks the rest of the group, without an event.
    void StoreChecked(bool value);
    // Fades when fading is on, else repaints.
    void Refresh();
    [[nodiscard]] bool LooksHot() const;
    [[nodiscard]] bool ImageShown() const;
    // The check image for the current state, cut out of the skin picture.
    [[nodiscard]] gfx::Bitmap CheckImage() const;
    void DrawCheckImage(gfx::Painter& painter, gfx::Point at) const;
    void PaintFlat(gfx::Bitmap& image);
    void PaintPicture(gfx::Bitmap& image, const gfx::Rect& source, bool active);
    void PaintDefaultMark(gfx::Painter& painter, int h) const;
    // The caption, image and focus rectangle of the flat look, from x on.
    void PaintFlatCaption(gfx::Painter& painter, int x, const gfx::Font& font, gfx::Pixel colour);

    bool wordWrap_ = false;
    bool allowGrayed_ = false;
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    platform::ImageList* images_ = nullptr;
    int imageIndex_ = 0;
    bool canFocused_ = true;
    bool radio_ = false;
    bool checked_ = false;
    int groupIndex_ = 0;
    bool flat_ = true;
    std::string caption_;

    Look look_;
    gfx::Rect textArea_;
    gfx::Rect checkArea_;
    gfx::Point checkPosition_;
    MorphFader fader_;
    gfx::Bitmap normalImage_;
    gfx::Bitmap activeImage_;
};

}  // namespace controls
