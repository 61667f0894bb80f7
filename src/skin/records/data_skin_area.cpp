#include "skin/records/data_skin_area.h"

#include <array>
#include <string>

#include "skin/definition/ini_file.h"
#include "skin/definition/skin_values.h"

namespace skin {

namespace {
constexpr std::string_view kSection = "SKINAREAS";
}

void ReadSkinAreas(const IniFile& ini, SkinAreaList& areas) {
    const int count = ini.ReadInteger(kSection, "count", 0);
    // A missing entry reads as empty text, which holds no rectangle and stops the loop, so
    // a large count cannot make it run long.
    for (int i = 0; i < count; ++i) {
        const std::string key = std::to_string(i);
        const std::string value = ini.ReadString(kSection, key, "");
        const std::size_t colon = value.find(':');
        const std::string_view name =
            colon == std::string::npos ? std::string_view() : std::string_view(value).substr(0, colon);
        const std::string_view rect =
            colon == std::string::npos ? std::string_view() : std::string_view(value).substr(colon + 1);
        std::array<int, 4> n{};
        if (!ParseNumbers(rect, n))
            throw SkinFormatError(kSection, key, value, "expected \"name:left,top,right,bottom\"");
        areas.push_back({std::string(name), {n[0], n[1], n[2], n[3]}});
    }
}

void WriteSkinAreas(IniFile& ini, const SkinAreaList& areas) {
    ini.EraseSection(kSection);
    ini.WriteInteger(kSection, "count", static_cast<int>(areas.size()));
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const gfx::Rect& r = areas[i].AreaRect;
        ini.WriteString(kSection, std::to_string(i),
                        areas[i].IDName + ":" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                            std::to_string(r.right) + "," + std::to_string(r.bottom));
    }
}

}  // namespace skin
