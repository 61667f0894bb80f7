#pragma once

#include <functional>

#include "platform/image_list.h"

namespace controls {

// A command a button can be linked to instead of (or besides) its own click handler: what it runs
// and the picture it brings.
class TspAction {
public:
    // Run when the action executes.
    std::function<void(TspAction& sender)> OnExecute;
    // The picture of the action, when it has one.
    platform::ImageList* Images = nullptr;
    int ImageIndex = -1;

    // Runs OnExecute; false when there is none.
    bool Execute() {
        if (!OnExecute) return false;
        OnExecute(*this);
        return true;
    }
};

}  // namespace controls
