#pragma once

#include <functional>
#include <string>

#include "gfx/font.h"
#include "platform/win_control.h"

namespace platform {

// A plain push button with the classic look. Default makes Enter on its window press it,
// Cancel makes Esc press it; ModalResult, when not zero, is given to the window.
class TButton : public WinControl {
public:
    explicit TButton(Component* owner = nullptr);

    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    gfx::Font Font{"MS Sans Serif", -11, 0, gfx::clBtnText};
    bool Default = false;
    bool Cancel = false;
    int ModalResult = 0;

    std::function<void(TButton& sender)> OnClick;

    void Paint(gfx::Painter& painter) override;
    void MouseDown(MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseUp(MouseButton button, unsigned shift, gfx::Point p) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(Key& key, unsigned shift) override;
    void KeyUp(Key& key, unsigned shift) override;
    void Click() override;
    bool HandleAccelerator(char32_t ch) override;
    bool HandleDialogKey(Key key, unsigned shift) override;
    [[nodiscard]] bool WantsKey(Key key) const override;

private:
    std::string caption_;
    bool pressed_ = false;  // left button held on the button
    bool inside_ = false;   // pointer over the button
    bool spaceDown_ = false;
};

}  // namespace platform
