#pragma once

#include <optional>
#include <string_view>

#include "gfx/colour.h"
#include "gfx/geometry.h"
#include "gfx/painter.h"
#include "platform/component.h"
#include "platform/input.h"

namespace platform {

class Form;
class WinControl;

// A rectangle of a window that draws itself and takes pointer input. A Control that is
// not a WinControl is windowless: it paints on its parent's surface, below the parent's
// windowed children, and can never hold the keyboard focus. Controls are owned by their
// parent (WinControl::Make) and live as long as it.
class Control : public Component {
public:
    explicit Control(Component* owner = nullptr) : Component(owner) {}
    ~Control() override;

    [[nodiscard]] WinControl* Parent() const { return parent_; }
    // The top-level window this control lies in, or null before it has a parent.
    [[nodiscard]] virtual Form* ParentForm() const;
    [[nodiscard]] virtual bool IsWindowed() const { return false; }

    // Bounds in the parent's client coordinates.
    [[nodiscard]] gfx::Rect BoundsRect() const { return bounds_; }
    [[nodiscard]] int Left() const { return bounds_.left; }
    [[nodiscard]] int Top() const { return bounds_.top; }
    [[nodiscard]] int Width() const { return bounds_.width(); }
    [[nodiscard]] int Height() const { return bounds_.height(); }
    // The control's own area: (0, 0, Width, Height); a form's is its client area.
    [[nodiscard]] virtual gfx::Rect ClientRect() const { return {0, 0, Width(), Height()}; }
    // Moves and sizes the control; a negative size is taken as 0.
    virtual void SetBounds(int left, int top, int width, int height);
    void SetBounds(const gfx::Rect& r) { SetBounds(r.left, r.top, r.width(), r.height()); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }

    [[nodiscard]] bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a visible form too.
    [[nodiscard]] bool Showing() const;

    // The control's own flag; a disabled parent disables its children (IsEnabled).
    [[nodiscard]] bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Enabled, and every parent too.
    [[nodiscard]] bool IsEnabled() const;

    // The pointer shape shown over this control; Default defers to the parent.
    Cursor ControlCursor = Cursor::Default;

    // Repaints the whole control, or a part of it (local coordinates), at the next paint.
    void Invalidate();
    void InvalidateRect(const gfx::Rect& local);
    // Moves the control to the top or the bottom of its siblings.
    void BringToFront();
    void SendToBack();

    // Local coordinates to the window's (frame included) and to the screen's.
    [[nodiscard]] gfx::Point ClientToWindow(gfx::Point local) const;
    [[nodiscard]] gfx::Point ClientToScreen(gfx::Point local) const;
    [[nodiscard]] gfx::Point ScreenToClient(gfx::Point screen) const;

    // Draws the control; the painter is at the control's origin, clipped to its bounds.
    virtual void Paint(gfx::Painter& /*painter*/) {}
    // True while the control is painted into an image for a control in front of it
    // (CaptureParentImage) rather than onto the window.
    [[nodiscard]] bool PaintingCopy() const { return paintingCopy_; }

    // Pointer input in local coordinates. MouseDown captures the pointer for the control
    // until the button is released; Click follows a left press and release on the control.
    virtual void MouseDown(MouseButton /*button*/, unsigned /*shift*/, gfx::Point /*p*/) {}
    virtual void MouseUp(MouseButton /*button*/, unsigned /*shift*/, gfx::Point /*p*/) {}
    virtual void MouseMove(unsigned /*shift*/, gfx::Point /*p*/) {}
    virtual void Click() {}
    virtual void DblClick() {}
    // Returns true when handled; otherwise the wheel goes on to the parent.
    virtual bool MouseWheel(unsigned /*shift*/, int /*delta*/, gfx::Point /*p*/) { return false; }
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

    // Keyboard input, delivered to the focused control. A handler that consumes a key sets
    // it to Key::None (or the character to 0) so that it is not used as a dialog key.
    virtual void KeyDown(Key& /*key*/, unsigned /*shift*/) {}
    virtual void KeyUp(Key& /*key*/, unsigned /*shift*/) {}
    virtual void KeyPress(char32_t& /*ch*/) {}
    // Offered an accelerator character (lower case); true when it was this control's.
    virtual bool HandleAccelerator(char32_t /*ch*/) { return false; }
    // Offered Enter or Esc that the focused control did not take; true when handled (a
    // default or cancel button presses itself).
    virtual bool HandleDialogKey(Key /*key*/, unsigned /*shift*/) { return false; }

    // A window message between components (skin changes, background changed).
    virtual void Notify(const Notification& /*n*/) {}

    // Property-change hooks for derived controls.
    virtual void EnabledChanged() { Invalidate(); }
    virtual void VisibleChanged() {}
    virtual void Resized() {}

private:
    friend class WinControl;
    friend class Form;
    friend class CopyPaintMark;
    WinControl* parent_ = nullptr;
    gfx::Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    bool paintingCopy_ = false;
};

// The character after a single '&' in a caption, lower-cased, or 0 when there is none
// ("&&" is a literal ampersand).
[[nodiscard]] char32_t AcceleratorOf(std::string_view caption);

}  // namespace platform
