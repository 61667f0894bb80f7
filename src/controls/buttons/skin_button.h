#pragma once

#include <string>

#include "controls/base/morph_fader.h"
#include "controls/base/on_demand_timer.h"
#include "controls/base/skin_custom_control.h"
#include "controls/buttons/button_action.h"
#include "controls/buttons/glyph_layout.h"
#include "gfx/colour.h"

namespace controls {

// The skinned push button: clicks, auto-repeat while held, sticky buttons grouped by GroupIndex,
// a glyph or image-list picture beside the caption, Enter and Esc through Default and Cancel, and
// the skin's frame animation and cross-fade between its normal and active pictures.
class TspSkinButton : public TspSkinCustomControl {
public:
    explicit TspSkinButton(platform::Component* owner = nullptr);
    ~TspSkinButton() override;

    // Picture source used instead of Glyph when ImageIndex is inside it; cleared when destroyed.
    [[nodiscard]] platform::ImageList* ImageList() const { return imageList_; }
    void SetImageList(platform::ImageList* list);
    [[nodiscard]] int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The skin decides the size; off, the button takes any size and stretches its picture.
    [[nodiscard]] bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool value);
    // Caption colour from the skin; off, DefaultFont's colour.
    bool UseSkinFontColor = true;
    // Repeat clicks while the button is held: the first after 500 ms, then every RepeatInterval.
    bool RepeatMode = false;
    int RepeatInterval = 100;
    // A grouped button that is down goes up when clicked again.
    bool AllowAllUp = false;
    // The button takes the focus; also sets TabStop.
    [[nodiscard]] bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool value);
    // Pressed state; a grouped button going down raises the others of its group.
    [[nodiscard]] bool Down() const { return down_; }
    void SetDown(bool value);
    // Buttons of one parent with the same non-zero index form a group; non-zero clears CanFocused.
    [[nodiscard]] int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // A strip of NumGlyphs equal cells: normal, disabled, down, hot.
    [[nodiscard]] const gfx::Bitmap& Glyph() const { return glyph_; }
    void SetGlyph(const gfx::Bitmap& glyph);
    [[nodiscard]] int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    // Distance of the glyph from the edge; -1 centres glyph and caption, below -1 is refused.
    [[nodiscard]] int Margin() const { return placement_.Margin; }
    void SetMargin(int value);
    [[nodiscard]] int Spacing() const { return placement_.Spacing; }
    void SetSpacing(int value);
    [[nodiscard]] TButtonLayout Layout() const { return placement_.Layout; }
    void SetLayout(TButtonLayout value);
    // Esc clicks the button.
    bool Cancel = false;
    // Enter clicks the button while it answers Enter (DefaultActive).
    [[nodiscard]] bool Default() const { return default_; }
    void SetDefault(bool value);
    // Given to the parent window on click.
    int ModalResult = 0;
    // The linked command, run on click when OnClick is not set.
    [[nodiscard]] TspAction* Action() const { return action_; }
    void SetAction(TspAction* action);
    NotifyEvent OnClick;

    // Whether this button answers Enter now.
    [[nodiscard]] bool DefaultActive() const { return defaultActive_; }
    // The left button went down on the button and has not been released.
    [[nodiscard]] bool ButtonHeld() const { return buttonHeld_; }
    // The cross-fade level, 0 normal to 1 active.
    [[nodiscard]] double MorphLevel() const { return fader_.Level(); }
    void SetMorphLevel(double level) { fader_.SetLevel(level); }
    // The frame of the running animation (1-based), 0 when none runs.
    [[nodiscard]] int AnimationFrame() const { return animFrame_; }
    // The section fades: morphing on, a loaded skin, skin effects on.
    [[nodiscard]] bool MorphEnabled() const;
    // As MorphEnabled without the section's morphing flag.
    [[nodiscard]] bool EffectsEnabled() const;
    // Focused and allowed to be.
    [[nodiscard]] bool FocusedLook() const;

    // The click: the window's modal result, then OnClick or the linked action.
    void ButtonClick();

    void FetchSkinData() override;
    void ApplySkinChange() override;
    void FitSkinSize(gfx::Size& size) override;
    [[nodiscard]] bool CanFocus() const override;
    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseUp(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(platform::Key& key, unsigned shift) override;
    void KeyUp(platform::Key& key, unsigned shift) override;
    bool HandleAccelerator(char32_t ch) override;
    bool HandleDialogKey(platform::Key key, unsigned shift) override;
    void FocusChanged(bool focused) override;
    void EnabledChanged() override;
    void Notify(const platform::Notification& n) override;

protected:
    void RenderSkinImage(gfx::Bitmap& image) override;
    void RenderDefaultImage(gfx::Bitmap& image) override;
    [[nodiscard]] bool MaskIgnored() const override { return !useSkinSize_; }
    void ComponentRemoved(platform::Component* removed) override;

private:
    // The section's values a paint needs.
    struct Look {
        gfx::Font Font;
        gfx::Color FontColor = 0;
        gfx::Color ActiveFontColor = 0;
        gfx::Color DownFontColor = 0;
        gfx::Color DisabledFontColor = 0;
        gfx::Rect ActiveRect;
        gfx::Rect DownRect;
        gfx::Rect DisabledRect;
        gfx::Rect FocusedRect;
        gfx::Rect AnimateRect;
        int FrameCount = 0;
        int AnimateInterval = 25;
        bool Morphing = false;
        skin::TspMorphKind MorphKind = skin::TspMorphKind::Default;
        bool ShowFocus = false;
    };

    // Whether the button shows its down picture (rule 2 of the picture choice).
    [[nodiscard]] bool ShowsDown() const;
    // Whether entering or leaving changes what the button shows.
    [[nodiscard]] bool HoverChangesLook() const;
    // Fades when fading is on, else repaints.
    void MorphOrRepaint();
    void StartAnimation(bool forward);
    void StopAnimation();
    void AnimationTick();
    [[nodiscard]] gfx::Rect AnimationFrameRect(int frame) const;
    void RepeatTick();
    // Re-evaluates DefaultActive and the default button's hot look for the focused control.
    void FocusMoved(platform::Control* focused);
    // One state of the button into image: background, caption and glyph.
    void DrawState(gfx::Bitmap& image, const gfx::Rect& source, bool active, bool down);
    void DrawStateBackground(gfx::Bitmap& image, const gfx::Rect& source);
    // The glyph (or image-list picture) and caption in textArea.
    void DrawGlyphAndCaption(gfx::Painter& painter, const gfx::Rect& textArea, const gfx::Font& font, gfx::Pixel colour,
                             bool active, bool down);
    [[nodiscard]] bool ImageListUsable() const;

    platform::ImageList* imageList_ = nullptr;
    int imageIndex_ = -1;
    bool useSkinSize_ = true;
    bool canFocused_ = true;
    bool down_ = false;
    int groupIndex_ = 0;
    std::string caption_;
    gfx::Bitmap glyph_;
    int numGlyphs_ = 1;
    GlyphPlacement placement_;
    bool default_ = false;
    TspAction* action_ = nullptr;

    Look look_;
    bool buttonHeld_ = false;
    bool defaultActive_ = false;
    bool wasDownAtPress_ = false;
    MorphFader fader_;
    OnDemandTimer repeatTimer_;
    OnDemandTimer animTimer_;
    int animFrame_ = 0;
    bool animForward_ = true;
    gfx::Bitmap normalImage_;
    gfx::Bitmap activeImage_;
};

// The delay before a held button starts repeating.
inline constexpr int kRepeatFirstDelay = 500;

}  // namespace controls
