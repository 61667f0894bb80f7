#pragma once

#include <optional>
#include <string>

#include "controls/base/skin_custom_control.h"
#include "controls/containers/border_style.h"
#include "platform/label.h"
#include "skin/records/data_skin_control_containers.h"

namespace controls {

// Where a panel's caption picture stands: beside the caption, or at the caption area's left edge.
enum class TspImagePosition { spipDefault, spipLeft };

// A skinned container with an optional caption in its top edge: a check mark that enables the
// children, a glyph or a picture of an image list beside the caption, and a plain framed look
// without a section. Large panels paint their border strips and wallpaper piece by piece.
class TspSkinPanel : public TspSkinCustomControl {
public:
    explicit TspSkinPanel(platform::Component* owner = nullptr);

    // The caption text, shown in CaptionMode.
    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    [[nodiscard]] TspImagePosition ImagePosition() const { return imagePosition_; }
    void SetImagePosition(TspImagePosition position);
    // Shows what lies behind the panel; only the caption is drawn.
    [[nodiscard]] bool TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(bool value);
    // The caption picture (used while Glyph is empty); the list is cleared when destroyed.
    [[nodiscard]] platform::ImageList* CaptionImageList() const { return captionImages_; }
    void SetCaptionImageList(platform::ImageList* list);
    [[nodiscard]] int CaptionImageIndex() const { return captionImageIndex_; }
    void SetCaptionImageIndex(int index);
    // The height remembered while rolled up.
    int RealHeight = -1;
    // In CheckedMode, the children are enabled by Checked.
    bool AutoEnabledControls = true;
    // The caption carries a check mark; a click on it toggles Checked.
    [[nodiscard]] bool CheckedMode() const { return checkedMode_; }
    void SetCheckedMode(bool value);
    [[nodiscard]] bool Checked() const { return checked_; }
    void SetChecked(bool value);
    // A caption glyph of NumGlyphs cells (the second shown while disabled), Spacing from the caption.
    [[nodiscard]] const gfx::Bitmap& Glyph() const { return glyph_; }
    void SetGlyph(gfx::Bitmap glyph);
    [[nodiscard]] int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    [[nodiscard]] int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    // The caption's alignment and height, and the border, without a section.
    [[nodiscard]] platform::Alignment DefaultAlignment() const { return defaultAlignment_; }
    void SetDefaultAlignment(platform::Alignment alignment);
    [[nodiscard]] int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    void SetDefaultCaptionHeight(int height);
    [[nodiscard]] TspBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TspBorderStyle style);
    // A caption is shown.
    [[nodiscard]] bool CaptionMode() const { return captionMode_; }
    void SetCaptionMode(bool value);
    // Stored only: a roll-up arrow in the caption and whether the panel is rolled up.
    [[nodiscard]] bool RollUpMode() const { return rollUpMode_; }
    void SetRollUpMode(bool value);
    [[nodiscard]] bool RollUpState() const { return rollUpState_; }
    void SetRollUpState(bool value);
    // Raised when Checked or RollUpState changed.
    NotifyEvent OnChecked;
    NotifyEvent OnChangeRollUpState;

    // The section's panel values as last fetched, or none.
    [[nodiscard]] const std::optional<skin::TspDataSkinPanelControl>& Section() const { return section_; }
    // Where aligned children go, in the panel's coordinates.
    [[nodiscard]] gfx::Rect ChildArea() const;
    // The caption area on the panel as it is now (empty without a section or caption).
    [[nodiscard]] gfx::Rect CaptionArea() const;
    // The check mark's place on the panel (empty outside CheckedMode).
    [[nodiscard]] gfx::Rect CheckMarkRect() const;

    void FetchSkinData() override;
    void ApplySkinChange() override;
    void SetBounds(int left, int top, int width, int height) override;
    using platform::Control::SetBounds;
    void BackgroundChanged() override;
    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override;

protected:
    // Borders and wallpaper are painted piece by piece unless a background picture or the
    // parent's image stands behind the caption.
    [[nodiscard]] bool PiecewisePaint() const override;
    void RenderDefaultImage(gfx::Bitmap& image) override;
    void RenderSkinImage(gfx::Bitmap& image) override;
    void RenderCaptionStrip(gfx::Bitmap& topStrip) override;
    void ComponentRemoved(platform::Component* removed) override;

private:
    // Draws the caption, its check mark and picture, on an image whose origin is the panel's.
    void DrawCaption(gfx::Bitmap& image) const;
    void DrawCaptionPicture(gfx::Painter& painter, gfx::Point at, int cell) const;
    [[nodiscard]] gfx::Size CaptionPictureSize() const;
    [[nodiscard]] gfx::Font CaptionFont() const;
    void RepaintWithoutSection();

    std::string caption_;
    TspImagePosition imagePosition_ = TspImagePosition::spipDefault;
    bool transparentMode_ = false;
    platform::ImageList* captionImages_ = nullptr;
    int captionImageIndex_ = -1;
    bool checkedMode_ = false;
    bool checked_ = false;
    gfx::Bitmap glyph_;
    int numGlyphs_ = 1;
    int spacing_ = 2;
    platform::Alignment defaultAlignment_ = platform::Alignment::Left;
    int defaultCaptionHeight_ = 22;
    TspBorderStyle borderStyle_ = TspBorderStyle::bvFrame;
    bool captionMode_ = false;
    bool rollUpMode_ = false;
    bool rollUpState_ = false;
    std::optional<skin::TspDataSkinPanelControl> section_;
};

// The framed, captioned group of the game's windows: a panel on the "groupbox" section with its
// caption shown.
class TspSkinGroupBox : public TspSkinPanel {
public:
    explicit TspSkinGroupBox(platform::Component* owner = nullptr);
};

}  // namespace controls
