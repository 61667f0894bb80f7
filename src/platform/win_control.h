#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "gfx/region.h"
#include "platform/control.h"

namespace platform {

// A control with a window of its own: it owns child controls, clips them, can hold the
// keyboard focus and can have an outline of any shape. Its windowed children paint over
// its windowless ones, whatever their order in the list.
class WinControl : public Control {
public:
    explicit WinControl(Component* owner = nullptr) : Control(owner) {}
    ~WinControl() override;

    [[nodiscard]] bool IsWindowed() const override { return true; }

    // Creates a child control owned by this one, on top of its siblings.
    template <typename T, typename... Args>
    T& Make(Args&&... args) {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *child;
        Insert(std::move(child));
        return ref;
    }
    // Takes ownership of a child control and puts it on top of its siblings.
    Control& Insert(std::unique_ptr<Control> child);
    // Takes a child out of this control and hands it to the caller (who may destroy it).
    std::unique_ptr<Control> Extract(Control& child);
    // The children from bottom to top.
    [[nodiscard]] const std::vector<std::unique_ptr<Control>>& Controls() const { return children_; }

    // The background colour the default EraseBackground fills with.
    gfx::Color Color = gfx::clBtnFace;
    // Fills the control's area before Paint; the painter is at the control's origin.
    virtual void EraseBackground(gfx::Painter& painter);

    // Taking part in Tab navigation, and the place in it among the siblings.
    bool TabStop = false;
    [[nodiscard]] int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order);

    // Showing, enabled and inside a window: the keyboard focus can go here.
    [[nodiscard]] virtual bool CanFocus() const;
    [[nodiscard]] bool Focused() const;
    // Moves the keyboard focus here (when CanFocus).
    void SetFocus();
    // The focus arrived or left.
    virtual void FocusChanged(bool /*focused*/) { Invalidate(); }
    // The window holding the focus here became the active one or stopped being it.
    virtual void WindowActivationChanged(bool /*active*/) {}
    // Keys a control handles itself instead of the form's Tab, Enter and Esc handling.
    virtual bool WantsKey(Key /*key*/) const { return false; }

    // The shape (local coordinates) that clips painting and hit testing; nullopt is the
    // whole rectangle.
    void SetWindowRegion(std::optional<gfx::Region> region);
    [[nodiscard]] const std::optional<gfx::Region>& WindowRegion() const { return region_; }

    // The child under a point in local coordinates: windowed children first, topmost
    // first, then windowless ones; hidden children are skipped. Null when none.
    [[nodiscard]] Control* ControlAt(gfx::Point local) const;
    // Calls Notify on the children, windowed ones only or all, in list order.
    void NotifyControls(const Notification& n, bool windowedOnly);

    // Paints this control and its children; the painter is at the control's origin and
    // clipped to it.
    void PaintTree(gfx::Painter& painter);

private:
    friend class Control;
    void Remove(Control& child);
    void Restack(Control& child, bool toTop);

    std::vector<std::unique_ptr<Control>> children_;
    std::optional<gfx::Region> region_;
    int tabOrder_ = 0;
};

// Paints what lies behind control into image (resized to the control's size): the parent's
// background and, unless the parent is a form, its content; then every earlier visible
// windowless sibling that overlaps the control, at its offset and clipped to itself. Those
// painters see PaintingCopy() true. Does nothing for a control without a parent.
void CaptureParentImage(const Control& control, gfx::Bitmap& image);

}  // namespace platform
