#pragma once

#include <optional>
#include <string>

#include "controls/base/skin_custom_control.h"
#include "controls/containers/border_style.h"
#include "controls/labels/label_text.h"
#include "platform/label.h"
#include "skin/records/data_skin_control_text.h"

namespace controls {

// A skinned caption plate: one line of text on the "label" section's picture, shortened with
// "..." when asked, aligned left, right or centred, and optionally sized to its caption.
class TspSkinLabel : public TspSkinCustomControl {
public:
    explicit TspSkinLabel(platform::Component* owner = nullptr);

    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // A caption too wide for the text area ends in "...".
    [[nodiscard]] TspEllipsType EllipsType() const { return ellipsType_; }
    void SetEllipsType(TspEllipsType type);
    // The skin decides the height; off, the label takes any size and stretches its picture.
    [[nodiscard]] bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool value);
    // The text colour comes from the section (else from DefaultFont).
    bool UseSkinFontColor = true;
    // The border of the plain look.
    [[nodiscard]] TspBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TspBorderStyle style);
    [[nodiscard]] platform::Alignment Alignment() const { return alignment_; }
    void SetAlignment(platform::Alignment alignment);
    // The width follows the caption, growing and shrinking; a fixed section turns it off.
    [[nodiscard]] bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

    // How much wider the label must be to show its whole caption (negative when it is too wide).
    [[nodiscard]] int ExtraWidth() const;
    // Where the text goes, in the label's coordinates.
    [[nodiscard]] gfx::Rect TextArea() const;
    // The text as drawn now, shortened when EllipsType asks for it.
    [[nodiscard]] std::string ShownText() const;
    // The font the caption is drawn in, colour included.
    [[nodiscard]] gfx::Font TextFont() const;

    void FetchSkinData() override;
    void FitSkinSize(gfx::Size& size) override;
    void UpdateSkinRegion() override;

protected:
    void RenderDefaultImage(gfx::Bitmap& image) override;
    void RenderSkinImage(gfx::Bitmap& image) override;

private:
    void FitToCaption();
    void DrawText(gfx::Bitmap& image, const gfx::Rect& area) const;
    [[nodiscard]] bool FreeSize() const;

    std::string caption_;
    TspEllipsType ellipsType_ = TspEllipsType::spetNoneEllips;
    bool useSkinSize_ = true;
    TspBorderStyle borderStyle_ = TspBorderStyle::bvFrame;
    platform::Alignment alignment_ = platform::Alignment::Left;
    bool autoSize_ = false;
    std::optional<skin::TspDataSkinLabelControl> section_;
};

}  // namespace controls
