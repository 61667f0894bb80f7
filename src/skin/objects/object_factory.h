#pragma once

#include <memory>

#include "skin/objects/active_skin_object.h"

namespace skin {

// The frame object a skin-object record makes, of the class its record's class selects; null
// for records that make none (menu items and the main menu bar's parts).
[[nodiscard]] std::unique_ptr<TspActiveSkinObject> CreateFrameObject(TspSkinForm& form,
                                                                     const TspDataSkinObject& record);

}  // namespace skin
