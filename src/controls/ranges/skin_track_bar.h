#pragma once

#include "controls/base/skin_custom_control.h"
#include "controls/ranges/bounded_values.h"
#include "controls/ranges/thumb_geometry.h"

namespace controls {

// The slider that picks a quantity: an integer Value between MinValue and MaxValue shown by
// a thumb in the skin's track area ("htrackbar" or "trackbar"), changed by dragging the
// thumb, clicking the track (JumpWhenClick), the arrow keys and the wheel (CanFocused).
// OnChange follows every change of Value; OnLastChange ends an interaction.
class TspSkinTrackBar : public TspSkinCustomControl {
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

    NotifyEvent OnChange;
    NotifyEvent OnLastChange;
    NotifyEvent OnStartDragButton;

    // Copies the section's track, thumb pictures and orientation as well.
    void FetchSkinData() override;
    // Moves the track area's far end with the bar's length.
    void FitSkinSize(gfx::Size& size) override;
    void ForgetSkinSection() override;

    // The thumb's place for the present value and size (computes it).
    [[nodiscard]] ThumbPlacement ThumbRect();
    // The value for a thumb offset along the present track.
    [[nodiscard]] int ValueFromOffset(int offset);
    // The area the thumb moves in: the resized track area, or the default look's.
    [[nodiscard]] gfx::Rect TrackArea();
    // Whether a thumb drag is under way.
    [[nodiscard]] bool Dragging() const { return dragging_; }

    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseMove(unsigned shift, gfx::Point p) override;
    void MouseUp(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    bool MouseWheel(unsigned shift, int delta, gfx::Point p) override;
    void KeyDown(platform::Key& key, unsigned shift) override;
    [[nodiscard]] bool WantsKey(platform::Key key) const override;
    void FocusChanged(bool focused) override;

protected:
    void RenderSkinImage(gfx::Bitmap& image) override;
    void RenderDefaultImage(gfx::Bitmap& image) override;

private:
    // What the bar copies from its section at every fetch.
    struct Section {
        gfx::Rect activeSkinRect;
        gfx::Rect trackArea;
        gfx::Rect buttonRect;
        gfx::Rect activeButtonRect;
        bool buttonTransparent = false;
        gfx::Color buttonTransparentColor = 0;
    };

    [[nodiscard]] gfx::Size ThumbSize() const;
    void Step(int delta);

    TrackValue values_;
    bool canFocused_ = false;
    bool vertical_ = false;
    Section section_;
    gfx::Rect resizedTrack_;
    // The active picture, kept between paints so that a drag step allocates nothing.
    gfx::Bitmap activeImage_;

    bool dragging_ = false;
    int dragFrom_ = 0;
    int dragOffset_ = 0;
};

}  // namespace controls
