#pragma once

#include <string>
#include <vector>

#include "gfx/geometry.h"

namespace skin {

class IniFile;

// A named rectangle of the window frame over which a window places a control.
struct TspDataSkinArea {
    std::string IDName;
    gfx::Rect AreaRect;

    friend bool operator==(const TspDataSkinArea&, const TspDataSkinArea&) = default;
};

using SkinAreaList = std::vector<TspDataSkinArea>;

// Appends the areas of section SKINAREAS ("count", then "0".. as "name:left,top,right,bottom")
// to areas, one by one, so the ones read before a format error stay.
void ReadSkinAreas(const IniFile& ini, SkinAreaList& areas);

// Replaces section SKINAREAS with the areas.
void WriteSkinAreas(IniFile& ini, const SkinAreaList& areas);

}  // namespace skin
