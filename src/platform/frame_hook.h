#pragma once

#include "gfx/geometry.h"
#include "gfx/painter.h"
#include "platform/component.h"
#include "platform/input.h"

namespace platform {

// Size limits of a window; a zero maximum means none.
struct SizeLimits {
    gfx::Size min;
    gfx::Size max;
};

// Takes over a window's frame: where the client area lies, how the rest is painted, what
// the pointer is over, and the size limits. A form without a hook draws the plain frame.
// Form::SetFrameHook installs a hook and returns the one it replaced, so that a hook can
// pass on what it does not handle and put the previous one back when it goes away.
class FrameHook {
public:
    virtual ~FrameHook() = default;

    // The client rectangle in window coordinates for a window of this size.
    [[nodiscard]] virtual gfx::Rect ClientRect(gfx::Size window) const = 0;
    // Paints everything outside the client rectangle; the painter is in window coordinates.
    virtual void PaintNonClient(gfx::Painter& painter, gfx::Size window) = 0;
    // Fills the client background (painter at the client origin); false leaves it to the form.
    virtual bool EraseClient(gfx::Painter& /*painter*/, gfx::Size /*client*/) { return false; }
    // What lies under a point in window coordinates.
    [[nodiscard]] virtual HitTest HitTestAt(gfx::Point window) = 0;
    // The limits the window's size is clamped to.
    [[nodiscard]] virtual SizeLimits Limits() const = 0;

    // Pointer events over the non-client part that the window does not turn into a move or
    // a size loop (everything on an "object", right clicks on the caption), in window
    // coordinates. NonClientLeave comes when the pointer leaves the non-client part, and
    // whenever it leaves the window.
    virtual void NonClientMouseDown(gfx::Point /*window*/, MouseButton /*button*/, unsigned /*shift*/) {}
    virtual void NonClientMouseUp(gfx::Point /*window*/, MouseButton /*button*/, unsigned /*shift*/) {}
    virtual void NonClientMouseMove(gfx::Point /*window*/, unsigned /*shift*/) {}
    virtual void NonClientLeave() {}
    // A double click of the left button on the non-client part (code is its hit test); true
    // when the hook used it, false lets the window start its move or size loop as usual.
    virtual bool NonClientDoubleClick(gfx::Point /*window*/, HitTest /*code*/) { return false; }

    // The window's size changed (window coordinates start at 0, 0).
    virtual void Resized(gfx::Size /*window*/) {}
    // The window became active or inactive among the program's windows.
    virtual void ActivationChanged(bool /*active*/) {}
    // The caption text changed.
    virtual void CaptionChanged() {}
    // A move or size loop starts (code says which) and ends.
    virtual void MoveSizeStart(HitTest /*code*/) {}
    virtual void MoveSizeEnd() {}
    // A move loop proposes new outer bounds (screen pixels); the hook may change them.
    virtual void Moving(gfx::Rect& /*proposed*/) {}
    // The window is about to be shown; first is true at its first showing.
    virtual void Showing(bool /*first*/) {}
    // A notification sent to the window, seen by the hook before the window's own handler.
    virtual void Notify(const Notification& /*n*/) {}
};

}  // namespace platform
