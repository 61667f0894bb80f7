#pragma once

#include "controls/base/skin_control.h"
#include "gfx/font.h"
#include "skin/compose/border_strips.h"
#include "skin/compose/skin_geometry.h"

namespace controls {

// The second level of the skinned controls: a default font and size, and a picture that follows
// the control's size by the section's anchors (fixed corners, stretched or tiled edges and middle).
// The section's values are copied at every fetch, so drawing needs no lookups.
template <class Base>
class SkinCustomControlT : public Base {
public:
    explicit SkinCustomControlT(platform::Component* owner = nullptr);

    // The font used without a section or when UseSkinFont is off.
    [[nodiscard]] const gfx::Font& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const gfx::Font& font);
    // Take font name, height and style from the section.
    bool UseSkinFont = true;
    // Width and height applied when there is no section (0 keeps the size).
    [[nodiscard]] int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int value);
    [[nodiscard]] int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int value);

    // How the section's picture follows the control's size.
    [[nodiscard]] skin::ResizeMode ResizeMode() const { return resizeMode_; }
    // The section's anchors, client rectangle and stretch rules, as last fetched.
    [[nodiscard]] const skin::SkinGeometry& Geometry() const { return geometry_; }
    // The anchors and client rectangle moved to the control's size by FitSkinSize.
    [[nodiscard]] gfx::Point ResizedLeftTop() const { return resized_.LeftTop; }
    [[nodiscard]] gfx::Point ResizedRightTop() const { return resized_.RightTop; }
    [[nodiscard]] gfx::Point ResizedLeftBottom() const { return resized_.LeftBottom; }
    [[nodiscard]] gfx::Point ResizedRightBottom() const { return resized_.RightBottom; }
    [[nodiscard]] gfx::Rect ResizedClientRect() const { return resized_.ClientRect; }
    // The section's picture and mask, null when the section names none.
    [[nodiscard]] const gfx::Bitmap* SkinPicture() const { return picture_; }
    [[nodiscard]] const gfx::Bitmap* SkinMask() const { return mask_; }

    void FetchSkinData() override;
    // Refetches and fits the control to the section (or to DefaultWidth and DefaultHeight without
    // one), then renews the outline and repaints.
    void ApplySkinChange() override;
    void ForgetSkinSection() override;
    // The default font changed: repaint when it is the font in use.
    virtual void DefaultFontChanged();
    // Adjusts a requested size to what the section allows and moves the anchors to it.
    virtual void FitSkinSize(gfx::Size& size);
    // Sets the window's outline from the section's mask, or removes it (windowed controls only).
    virtual void UpdateSkinRegion();

    void SetBounds(int left, int top, int width, int height) override;
    using platform::Control::SetBounds;
    void Paint(gfx::Painter& painter) override;

protected:
    using Base::RenderSkinImage;
    // The built-in look: the button face.
    void RenderDefaultImage(gfx::Bitmap& image) override;
    // The section's picture from its skin rectangle.
    void RenderSkinImage(gfx::Bitmap& image) override;
    // The section's picture from source (the skin rectangle or a state rectangle of its size).
    void RenderSkinImage(gfx::Bitmap& image, const gfx::Rect& source);
    // Large both-way panels paint their border strips and wallpaper straight to the target.
    [[nodiscard]] virtual bool PiecewisePaint() const { return false; }
    // Draws into the top strip of a piecewise paint (a panel's caption).
    virtual void RenderCaptionStrip(gfx::Bitmap& /*topStrip*/) {}
    // Whether the section's mask is left out of the outline.
    [[nodiscard]] virtual bool MaskIgnored() const { return false; }
    // The font a control draws its text in: the section's name, height and style when there is a
    // section and UseSkinFont is on, otherwise DefaultFont; the colour is each control's rule.
    [[nodiscard]] gfx::Font ControlFont(const gfx::Font& sectionFont) const;
    // The skin's button-face colour as a pixel (the system one without a skin).
    [[nodiscard]] gfx::Pixel SkinButtonFace() const;

private:
    void PaintPiecewise(gfx::Painter& painter);

    gfx::Font defaultFont_{"Arial", 14, 0, gfx::clWindowText};
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    skin::SkinGeometry geometry_;
    skin::ResizedGeometry resized_;
    skin::ResizeMode resizeMode_ = skin::ResizeMode::None;
    const gfx::Bitmap* picture_ = nullptr;
    const gfx::Bitmap* mask_ = nullptr;
};

// A windowed skinned control that follows its section's geometry.
using TspSkinCustomControl = SkinCustomControlT<TspSkinControl>;
// A windowless skinned control that follows its section's geometry.
using TspGraphicSkinCustomControl = SkinCustomControlT<TspGraphicSkinControl>;

}  // namespace controls
