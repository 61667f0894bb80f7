#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gfx/bitmap.h"
#include "platform/image_list.h"
#include "platform/win_control.h"
#include "skin/skinned_control.h"

namespace skin {
class TspSkinData;
class TspDataSkinControl;
}  // namespace skin

namespace controls {

// An event that carries only its sender.
using NotifyEvent = std::function<void(platform::Control& sender)>;

// What every skinned control shares, windowed (Base = WinControl) or windowless (Base = Control):
// the binding to a section of a skin, the built-in look when there is none, and the paint sequence
// that composes the whole control off-screen and copies it once, blended with what lies behind it
// when asked.
template <class Base>
class SkinControlT : public Base, public skin::SkinnedControl {
public:
    explicit SkinControlT(platform::Component* owner = nullptr);
    ~SkinControlT() override;

    // Title line of the skinned hint.
    std::string HintTitle;
    // Picture of HintImageList shown in the skinned hint.
    int HintImageIndex = 0;
    // Source of the hint picture; cleared when the list is destroyed.
    [[nodiscard]] platform::ImageList* HintImageList() const { return hintImageList_; }
    void SetHintImageList(platform::ImageList* list);
    // Draw the built-in look when no skin section is found.
    bool DrawDefault = true;
    // The skin; cleared when it is destroyed. Assigning a loaded skin applies it at once.
    [[nodiscard]] skin::TspSkinData* SkinData() const override { return skinData_; }
    virtual void SetSkinData(skin::TspSkinData* data);
    // Stored only.
    std::string AreaName;
    // The name of the section the control draws from; changing it alone does not repaint.
    [[nodiscard]] const std::string& SkinDataName() const { return skinDataName_; }
    virtual void SetSkinDataName(std::string name);
    // Raised when the pointer enters and leaves the control.
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;
    // Blend the control's picture with what lies behind it, at AlphaBlendValue (255 opaque).
    [[nodiscard]] bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value);
    [[nodiscard]] std::uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(std::uint8_t value);
    // Take the pointer shape from the section's cursorindex.
    bool UseSkinCursor = false;

    // Whether the pointer is over the control, as the control class keeps it.
    [[nodiscard]] bool PointerInside() const { return pointerInside_; }
    // The section's position in the skin's control list, or -1.
    [[nodiscard]] int SectionIndex() const { return sectionIndex_; }
    [[nodiscard]] bool HasSection() const { return sectionIndex_ >= 0; }

    // Looks SkinDataName up in the skin (none while the skin is empty) and copies what drawing needs.
    virtual void FetchSkinData();
    // Refetches, sets the cursor and repaints.
    void ApplySkinChange() override;
    // Drops the section so that nothing refers into skin data about to be freed.
    void ForgetSkinSection() override;
    // What lies behind the control changed: a blended control repaints and tells its children.
    virtual void BackgroundChanged();

    void SetBounds(int left, int top, int width, int height) override;
    using platform::Control::SetBounds;
    void Paint(gfx::Painter& painter) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Notify(const platform::Notification& n) override;

protected:
    // The built-in look into an image of the control's size.
    virtual void RenderDefaultImage(gfx::Bitmap& image);
    // The skinned look into an image of the control's size.
    virtual void RenderSkinImage(gfx::Bitmap& image);
    // The section's record, or null without a section.
    [[nodiscard]] const skin::TspDataSkinControl* SectionRecord() const;
    // Sets the pointer shape from a section's cursorindex when UseSkinCursor is on.
    void ApplySkinCursor(int cursorIndex);
    // Whether the finished picture is blended with what lies behind the control.
    [[nodiscard]] virtual bool BlendsWithBackground() const { return alphaBlend_; }
    // Puts a finished picture of the control's size on the painter at (0, 0), blended with the
    // parent's image when BlendsWithBackground.
    void PresentImage(gfx::Painter& painter, gfx::Bitmap& image);
    // The reusable off-screen image, sized to the control.
    gfx::Bitmap& OffscreenImage();
    void ComponentRemoved(platform::Component* removed) override;

    bool pointerInside_ = false;

private:
    skin::TspSkinData* skinData_ = nullptr;
    platform::ImageList* hintImageList_ = nullptr;
    std::string skinDataName_;
    int sectionIndex_ = -1;
    bool alphaBlend_ = false;
    std::uint8_t alphaBlendValue_ = 200;
    gfx::Bitmap image_;
    gfx::Bitmap background_;
};

// A skinned control with a window of its own: it can take the focus and have an outline. It paints
// its whole area itself, so the erase step does nothing.
class TspSkinControl : public SkinControlT<platform::WinControl> {
public:
    using SkinControlT::SkinControlT;
    void EraseBackground(gfx::Painter& painter) override;
};

// A windowless skinned control drawn on its parent's surface.
class TspGraphicSkinControl : public SkinControlT<platform::Control> {
public:
    using SkinControlT::SkinControlT;
};

// The pointer shape a section's cursorindex names: the platform default for -1, else the skin's
// shapes counted from the arrow; an index past them gives the default.
[[nodiscard]] platform::Cursor SkinCursor(int cursorIndex);

}  // namespace controls
