#pragma once

namespace skin {

class TspSkinData;

// What a skinned window asks of every control in its tree when its skin changes. The control base
// implements it; the window finds it on a control with dynamic_cast, so this layer needs nothing from
// the controls built on it.
class SkinnedControl {
public:
    virtual ~SkinnedControl() = default;

    // The skin the control draws from, or null.
    [[nodiscard]] virtual TspSkinData* SkinData() const = 0;
    // Drops every reference into the skin data before a new skin frees it.
    virtual void ForgetSkinSection() = 0;
    // Looks the control's section up again, fits the control to it and repaints.
    virtual void ApplySkinChange() = 0;
};

}  // namespace skin
