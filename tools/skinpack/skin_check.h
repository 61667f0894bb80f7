#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace skinpack {

// What a check found: problems the game would draw wrongly from, and a count of what
// was looked at.
struct CheckReport {
    std::vector<std::string> problems;
    int recordsChecked = 0;

    [[nodiscard]] bool Clean() const { return problems.empty(); }
};

// Lints a skin definition file and its bitmaps: it must build and load, hold the frame
// data, objects and controls the game's windows use (with the right kinds), every picture
// index must name a picture, and every rectangle must lie inside the picture it is cut from.
[[nodiscard]] CheckReport CheckSkin(const std::filesystem::path& definition);

}  // namespace skinpack
