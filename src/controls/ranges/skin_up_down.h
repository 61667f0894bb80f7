#pragma once

#include <array>

#include "controls/base/skin_custom_control.h"
#include "controls/ranges/auto_repeat.h"
#include "controls/ranges/bounded_values.h"

namespace skin {
class TspDataSkinButtonControl;
}  // namespace skin

namespace controls {

// Which way an up-down's buttons lie: side by side (down on the left) or stacked (up on top).
enum class TUDOrientation { udHorizontal, udVertical };

// A pair of arrow buttons with an integer Position (the main window's game speed). A click
// moves Position by Increment within Min..Max; a held button repeats after 500 ms every
// 100 ms. A press that slides to the other button still clicks the first on release.
// Drawn from "hupdown"/"vupdown" at the skin's size, or with UseSkinSize false at any size
// from the skin's "resizebutton" section, or plainly without a skin.
class TspSkinUpDown : public TspSkinCustomControl {
public:
    explicit TspSkinUpDown(platform::Component* owner = nullptr);
    ~TspSkinUpDown() override;

    // Whether the skin's section gives the size and the button places.
    [[nodiscard]] bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool use);
    [[nodiscard]] TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation orientation);
    // The step of a click or a repeat; 0 clicks without moving and does not repeat.
    int Increment = 1;
    // A position outside Min..Max is ignored; any other raises OnChange, even unchanged.
    [[nodiscard]] int Position() const { return position_.Position(); }
    void SetPosition(int value);
    [[nodiscard]] int Min() const { return position_.Min(); }
    void SetMin(int value) { position_.SetMin(value); }
    [[nodiscard]] int Max() const { return position_.Max(); }
    void SetMax(int value) { position_.SetMax(value); }

    NotifyEvent OnChange;
    NotifyEvent OnUpButtonClick;
    NotifyEvent OnDownButtonClick;

    // Copies the button pictures and finds "resizebutton" too.
    void FetchSkinData() override;
    // At the skin's size the section fixes the size; otherwise any size goes.
    void FitSkinSize(gfx::Size& size) override;
    // Only an up-down at the skin's size takes the section's outline.
    void UpdateSkinRegion() override;
    void ForgetSkinSection() override;

    // Button 0 is up, 1 is down.
    static constexpr int kUp = 0;
    static constexpr int kDown = 1;
    // A button's rectangle in control coordinates, and its hot and pressed state.
    [[nodiscard]] gfx::Rect ButtonRect(int button);
    [[nodiscard]] bool ButtonHot(int button) const { return buttons_[button].hot; }
    [[nodiscard]] bool ButtonPressed(int button) const { return buttons_[button].pressed; }
    // Whether the auto-repeat is running.
    [[nodiscard]] bool Repeating() const { return repeat_.Running(); }

    void SetBounds(int left, int top, int width, int height) override;
    using Control::SetBounds;
    void MouseDown(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseMove(unsigned shift, gfx::Point p) override;
    void MouseUp(platform::MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void RenderSkinImage(gfx::Bitmap& image) override;
    void RenderDefaultImage(gfx::Bitmap& image) override;

private:
    struct Button {
        gfx::Rect rect;
        bool hot = false;
        bool pressed = false;
    };

    // The state pictures of the section, in the picture's own coordinates; the button
    // places are relative to the control.
    struct Section {
        gfx::Rect upButtonRect;
        gfx::Rect activeUpButtonRect;
        gfx::Rect downUpButtonRect;
        gfx::Rect downButtonRect;
        gfx::Rect activeDownButtonRect;
        gfx::Rect downDownButtonRect;
    };

    void PlaceButtons();
    [[nodiscard]] int ButtonAt(gfx::Point p) const;
    void Step(bool up);
    void RenderSkinButtons(gfx::Bitmap& image) const;
    void RenderResizedButtons(gfx::Bitmap& image) const;

    bool useSkinSize_ = true;
    TUDOrientation orientation_ = TUDOrientation::udHorizontal;
    UpDownPosition position_;
    Section section_;
    const skin::TspDataSkinButtonControl* buttonSection_ = nullptr;
    const gfx::Bitmap* buttonPicture_ = nullptr;

    std::array<Button, 2> buttons_;
    int hot_ = -1;
    int captured_ = -1;
    bool repeatUp_ = true;
    AutoRepeat repeat_;
};

}  // namespace controls
