#include "controls/ranges/bounded_values.h"

#include <cstdint>

namespace controls {

bool TrackValue::SetValue(int value) {
    if (value > max_)
        value = max_;
    else if (value < min_)
        value = min_;
    if (value == value_) return false;
    value_ = value;
    return true;
}

void TrackValue::SetMin(int value) {
    min_ = value;
    if (value_ < min_) value_ = min_;
}

void TrackValue::SetMax(int value) {
    max_ = value;
    if (value_ > max_) value_ = max_;
}

bool UpDownPosition::SetPosition(int value) {
    if (value > max_ || value < min_) return false;
    position_ = value;
    return true;
}

bool UpDownPosition::Step(int increment, bool up) {
    const std::int64_t next =
        static_cast<std::int64_t>(position_) + (up ? increment : -static_cast<std::int64_t>(increment));
    if (next > max_ || next < min_) return false;
    return SetPosition(static_cast<int>(next));
}

void UpDownPosition::SetMin(int value) {
    min_ = value;
    if (position_ < min_) position_ = min_;
}

void UpDownPosition::SetMax(int value) {
    max_ = value;
    if (position_ > max_) position_ = max_;
}

}  // namespace controls
