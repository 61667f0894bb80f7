#pragma once

#include <gtest/gtest.h>

#include <string>

#include "gfx/bitmap.h"

namespace testsupport {

// Compares image, pixel for pixel, with tests/golden/<name>.png. With UPDATE_GOLDEN=1 in
// the environment the golden file is written instead (look at it before committing). On a
// mismatch the actual image is saved as golden-failures/<name>.png in the working
// directory and the message says where and how many pixels differ.
::testing::AssertionResult MatchesGolden(const gfx::Bitmap& image, const std::string& name);

}  // namespace testsupport
