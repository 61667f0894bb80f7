#pragma once

#include <functional>
#include <string>

#include "gfx/font.h"
#include "platform/control.h"

namespace platform {

enum class Alignment { Left, Center, Right };

// A plain windowless text label with the classic look: the caption in the font's colour
// on the label's colour (or on whatever lies behind it when Transparent).
class TLabel : public Control {
public:
    explicit TLabel(Component* owner = nullptr) : Control(owner) {}

    [[nodiscard]] const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    [[nodiscard]] const gfx::Font& Font() const { return font_; }
    void SetFont(gfx::Font font);
    // The background colour when not transparent.
    [[nodiscard]] gfx::Color Color() const { return color_; }
    void SetColor(gfx::Color color);
    [[nodiscard]] bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    [[nodiscard]] bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    // Sizes the label to its text (keeping the width when word-wrapped).
    [[nodiscard]] bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    [[nodiscard]] platform::Alignment Alignment() const { return alignment_; }
    void SetAlignment(platform::Alignment alignment);
    // '&' marks an accelerator unless ShowAccelChar is false.
    bool ShowAccelChar = true;

    std::function<void(TLabel& sender)> OnClick;
    std::function<void(TLabel& sender)> OnMouseEnter;
    std::function<void(TLabel& sender, unsigned shift, int x, int y)> OnMouseMove;

    void Paint(gfx::Painter& painter) override;
    void Click() override;
    void MouseEnter() override;
    void MouseMove(unsigned shift, gfx::Point p) override;

protected:
    // The text-drawing flags of the label's alignment, wrapping and accelerator handling.
    [[nodiscard]] unsigned TextFormat() const;

private:
    void Changed();

    std::string caption_;
    gfx::Font font_{"MS Sans Serif", -11, 0, gfx::clWindowText};
    gfx::Color color_ = gfx::clBtnFace;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool autoSize_ = true;
    platform::Alignment alignment_ = Alignment::Left;
};

}  // namespace platform
