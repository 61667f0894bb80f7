#pragma once

#include "platform/win_control.h"

namespace platform {

// A plain progress bar with the classic look: a sunken well filled from the left with
// blocks (or a smooth bar) in the highlight colour. A position outside Min..Max is drawn
// at the nearer end.
class TProgressBar : public WinControl {
public:
    explicit TProgressBar(Component* owner = nullptr);

    [[nodiscard]] int Min() const { return min_; }
    [[nodiscard]] int Max() const { return max_; }
    [[nodiscard]] int Position() const { return position_; }
    void SetMin(int v);
    void SetMax(int v);
    // Kept as given, even outside the range; only the drawing is clamped.
    void SetPosition(int v);
    [[nodiscard]] bool Smooth() const { return smooth_; }
    void SetSmooth(bool smooth);

    // Pixels of the inner width the bar fills for the current position.
    [[nodiscard]] int FilledWidth() const;

    void EraseBackground(gfx::Painter& painter) override;
    void Paint(gfx::Painter& painter) override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    bool smooth_ = false;
};

}  // namespace platform
