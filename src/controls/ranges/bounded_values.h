#pragma once

namespace controls {

// A track bar's value and bounds. The value is kept within the bounds by its setter;
// moving a bound pulls the value in without counting as a change. The bounds are not
// checked against each other.
class TrackValue {
public:
    [[nodiscard]] int Min() const { return min_; }
    [[nodiscard]] int Max() const { return max_; }
    [[nodiscard]] int Value() const { return value_; }
    // Clamps to the bounds (Max first); true when the value changed.
    bool SetValue(int value);
    void SetMin(int value);
    void SetMax(int value);

private:
    int min_ = 0;
    int max_ = 100;
    int value_ = 50;
};

// An up-down's position. A position outside the bounds is refused rather than clamped,
// so a step past a bound leaves the position where it was.
class UpDownPosition {
public:
    [[nodiscard]] int Min() const { return min_; }
    [[nodiscard]] int Max() const { return max_; }
    [[nodiscard]] int Position() const { return position_; }
    // False (and nothing stored) when outside the bounds; true otherwise, even when equal.
    bool SetPosition(int value);
    // Moves by the increment up or down; computed without overflow.
    bool Step(int increment, bool up);
    void SetMin(int value);
    void SetMax(int value);

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

}  // namespace controls
