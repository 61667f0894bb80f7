#pragma once

#include <string>

#include "gfx/geometry.h"

namespace skin {

// What a hint window offers a skinned frame for showing its objects' hints; a window's
// SkinHint companion implements it, and the frame finds it with dynamic_cast.
class ObjectHintView {
public:
    virtual ~ObjectHintView() = default;

    // Shows the text near a screen point.
    virtual void ShowObjectHint(const std::string& text, gfx::Point screen) = 0;
    // Hides a hint shown before.
    virtual void HideObjectHint() = 0;
};

}  // namespace skin
