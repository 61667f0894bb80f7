#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/ranges/bounded_values.h"
#include "controls/ranges/thumb_geometry.h"
#include "gfx/bitmap.h"
#include "platform/win_control.h"
#include "skin/compose/skin_geometry.h"
#include "skin/skinned_control.h"

namespace skin {
class TspSkinData;
class TspDataSkinTrackBarControl;
}  // namespace skin

namespace controls {

// The slider that picks a quantity: an integer Value between MinValue and MaxValue shown by
// a thumb in the skin's track area ("htrackbar" or "trackbar"), changed by dragging the
// thumb, clicking the track (JumpWhenClick), the arrow keys and the wheel (CanFocused).
// OnChange follows every change of Value; OnLastChange ends an interaction.
class TspSkinTrackBar : public platform::WinControl, public skin::SkinnedControl {
public:
    explicit TspSkinTrackBar(platform::Component* owner = nullptr);
    ~TspSkinTrackBar() override;

    // A click on the track moves the thumb there.
    bool JumpWhenClick = false;
    // May take the focus (and so the keys and the wheel); also sets TabStop.
    [[nodiscard]] bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool on);
    // Dragging and clicking are enabled.
    bool MouseSupport = true;
    // The bounds pull Value in without OnChange; they are not checked against each other.
    [[nodiscard]] int MinValue() const { return values_.Min(); }
    void SetMinValue(int value);
    [[nodiscard]] int MaxValue() const { return values_.Max(); }
    void SetMaxValue(int value);
    // Clamped to the bounds; OnChange when it changes.
    [[nodiscard]] int Value() const { return values_.Value(); }
    void SetValue(int value);
    // The orientation; a skinned bar takes its section's.
    [[nodiscard]] bool Vertical() const { return vertical_; }
    void SetVertical(bool vertical);

    std::function<void(TspSkinTrackBar& sender)> OnChange;
    std::function<void(TspSkinTrackBar& sender)> OnLastChange;
    std::function<void(TspSkinTrackBar& sender)> OnStartDragButton;

    // The skin, the section's name and the look without one.
    [[nodiscard]] skin::TspSkinData* SkinData() const override { return skinData_; }
    void SetSkinData(skin::TspSkinData* data);
    [[nodiscard]] const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(std::string name) { skinDataName_ = std::move(name); }
    bool DrawDefault = true;
    [[nodiscard]] bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on);
    [[nodiscard]] std::uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(std::uint8_t value);

    void ForgetSkinSection() override { section_ = nullptr; }
    void ApplySkinChange() override;

    // The thumb's place for the present value and size (computes it).
    [[nodiscard]] ThumbPlacement ThumbRect();
    // The value for a thumb offset along the present track.
    [[nodiscard]] int ValueFromOffset(int offset);
    // The area the thumb moves in: the resized track area, or the default look's.
    [[nodiscard]] gfx::Rect TrackArea();
    // Whether a thumb drag is under way.
    [[nodiscard]] bool Dragging() const { return dragging_; }

    void SetBounds(int left, int top, int width, int height) override;
    using Control::SetBounds;
    void Paint(gfx::Painter& painter) override;
    void EraseBackground(gfx::Painter& /*painter*/) override {}
    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseMove(unsigned shift, gfx::Point p) override;
    void MouseUp(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    bool MouseWheel(unsigned shift, int delta, gfx::Point p) override;
    void KeyDown(platform::Key& key, unsigned shift) override;
    [[nodiscard]] bool WantsKey(platform::Key key) const override;
    void Notify(const platform::Notification& n) override;

protected:
    void ComponentRemoved(platform::Component* removed) override;

private:
    void FetchSkinData();
    void FitSkinSize(gfx::Size& size);
    [[nodiscard]] gfx::Size ThumbSize() const;
    void Step(int delta);
    void RenderSkinImage(gfx::Bitmap& image, const ThumbPlacement& p) const;
    void RenderDefaultImage(gfx::Bitmap& image, const ThumbPlacement& p) const;

    TrackValue values_;
    bool canFocused_ = false;
    bool vertical_ = false;
    skin::TspSkinData* skinData_ = nullptr;
    std::string skinDataName_ = "htrackbar";
    bool alphaBlend_ = false;
    std::uint8_t alphaBlendValue_ = 200;

    const skin::TspDataSkinTrackBarControl* section_ = nullptr;
    const gfx::Bitmap* picture_ = nullptr;
    skin::SkinGeometry geometry_;
    skin::ResizeMode mode_ = skin::ResizeMode::None;
    skin::ResizedGeometry resized_;
    gfx::Rect resizedTrack_;

    bool dragging_ = false;
    int dragFrom_ = 0;
    int dragOffset_ = 0;
};

}  // namespace controls
