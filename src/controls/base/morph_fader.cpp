#include "controls/base/morph_fader.h"

#include <algorithm>

#include "gfx/morph.h"

namespace controls {

MorphFader::MorphFader(std::function<bool()> shouldBeHot, std::function<bool()> fadingOn, std::function<void()> repaint)
    : shouldBeHot_(std::move(shouldBeHot)),
      fadingOn_(std::move(fadingOn)),
      repaint_(std::move(repaint)),
      timer_([this] { Tick(); }) {}

void MorphFader::Start(const platform::Control& control) {
    if (timer_.Running()) return;
    if (timer_.Start(control, kInterval)) return;
    level_ = shouldBeHot_() ? 1 : 0;
    repaint_();
}

void MorphFader::Tick() {
    const bool hot = shouldBeHot_();
    if (!fadingOn_()) {
        level_ = hot ? 1 : 0;
        Stop();
        return;
    }
    if (hot && level_ < 1) {
        level_ = std::min(1.0, level_ + kStep);
    } else if (!hot && level_ > 0) {
        level_ = std::max(0.0, level_ - kStep);
    } else {
        level_ = hot ? 1 : 0;
        Stop();
    }
    repaint_();
}

gfx::Bitmap MorphPictures(const gfx::Bitmap& normal, const gfx::Bitmap& active, double level, skin::TspMorphKind kind) {
    return gfx::Morph(normal, active, level, static_cast<gfx::MorphKind>(static_cast<int>(kind)));
}

}  // namespace controls
