#pragma once

#include <functional>

#include "controls/base/on_demand_timer.h"
#include "gfx/bitmap.h"
#include "skin/definition/skin_enums.h"

namespace controls {

// The cross-fade of a control between its normal (level 0) and hot (level 1) pictures: a 20 ms
// timer moves the level by 0.2 a tick towards where the control's look should be.
class MorphFader {
public:
    // The timer's period.
    static constexpr int kInterval = 20;
    // One step of the level.
    static constexpr double kStep = 0.2;

    // shouldBeHot says where the fade goes, fadingOn whether the control still fades (a section
    // with morphing and skin effects on), repaint redraws the control.
    MorphFader(std::function<bool()> shouldBeHot, std::function<bool()> fadingOn, std::function<void()> repaint);

    [[nodiscard]] double Level() const { return level_; }
    void SetLevel(double level) { level_ = level; }
    [[nodiscard]] bool Running() const { return timer_.Running(); }
    // Starts fading on the application of control's window; without a window the level lands on
    // its target and the control repaints at once.
    void Start(const platform::Control& control);
    void Stop() { timer_.Stop(); }
    // One tick: while fading, a step towards the target, or landing on it and stopping, then a
    // repaint; when fading was switched off meanwhile, landing and stopping without a repaint.
    void Tick();

private:
    std::function<bool()> shouldBeHot_;
    std::function<bool()> fadingOn_;
    std::function<void()> repaint_;
    OnDemandTimer timer_;
    double level_ = 0;
};

// The transition picture between normal and active at level, by the section's kind.
[[nodiscard]] gfx::Bitmap MorphPictures(const gfx::Bitmap& normal, const gfx::Bitmap& active, double level,
                                        skin::TspMorphKind kind);

}  // namespace controls
