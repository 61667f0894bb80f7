#pragma once

#include "platform/frame_hook.h"

namespace platform {

class Form;

// The frame a form has without a hook: 3-pixel raised borders and a 19-pixel caption bar
// (15 for tool windows) with the caption in white on navy when active, grey otherwise.
// Borderless forms have neither.
class PlainFrame : public FrameHook {
public:
    explicit PlainFrame(Form& form) : form_(form) {}

    [[nodiscard]] gfx::Rect ClientRect(gfx::Size window) const override;
    void PaintNonClient(gfx::Painter& painter, gfx::Size window) override;
    [[nodiscard]] HitTest HitTestAt(gfx::Point window) override;
    [[nodiscard]] SizeLimits Limits() const override;

private:
    [[nodiscard]] int Border() const;
    [[nodiscard]] int CaptionHeight() const;

    Form& form_;
};

}  // namespace platform
