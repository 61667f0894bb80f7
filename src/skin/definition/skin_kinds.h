#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "skin/records/data_skin_control.h"
#include "skin/records/data_skin_object.h"

namespace skin {

class IniFile;

using SkinObjectList = std::vector<std::unique_ptr<TspDataSkinObject>>;
using SkinControlList = std::vector<std::unique_ptr<TspDataSkinControl>>;

// The kind texts of [SKINOBJECTS], in table order.
[[nodiscard]] std::span<const std::string_view> SkinObjectKinds();
// The kind texts of [SKINCONTROLS], in the order they are tested.
[[nodiscard]] std::span<const std::string_view> SkinControlKinds();

// A new object record of the class the kind selects (exact case), or null for an unknown kind.
[[nodiscard]] std::unique_ptr<TspDataSkinObject> CreateSkinObject(std::string_view kind);
// A new control record of the class the kind selects (exact case), or null for an unknown kind.
[[nodiscard]] std::unique_ptr<TspDataSkinControl> CreateSkinControl(std::string_view kind);

// Appends the records listed in [SKINOBJECTS] ("name:kind" entries), each read from its own
// section right after it is appended; unknown kinds are skipped.
void ReadSkinObjects(const IniFile& ini, SkinObjectList& objects);
// Appends the records listed in [SKINCONTROLS] the same way.
void ReadSkinControls(const IniFile& ini, SkinControlList& controls);

// Replaces [SKINOBJECTS] with the list and writes each record's section.
void WriteSkinObjects(IniFile& ini, const SkinObjectList& objects);
// Replaces [SKINCONTROLS] with the list and writes each record's section.
void WriteSkinControls(IniFile& ini, const SkinControlList& controls);

}  // namespace skin
