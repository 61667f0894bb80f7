#pragma once

#include <string>
#include <vector>

#include "gfx/bitmap.h"

namespace skinpack {

struct SheetEntry {
    std::string label;  // index and name
    gfx::Bitmap picture;
};

// Lays the pictures out in rows on a grey sheet, each framed and labelled underneath, so
// that a whole skin can be looked at in one image.
[[nodiscard]] gfx::Bitmap ContactSheet(const std::vector<SheetEntry>& entries);

}  // namespace skinpack
