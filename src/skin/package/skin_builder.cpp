#include "skin/package/skin_builder.h"

#include <string>
#include <string_view>

#include "gfx/bmp.h"
#include "skin/definition/ini_file.h"
#include "skin/package/skin_package.h"
#include "skin/package/skn_file.h"

namespace skin {

namespace {

constexpr std::string_view kRequiredSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"};
constexpr std::string_view kSlotKeys[] = {"picture", "inactivepicture", "mask", "rolluppicture", "rollupmask"};

// The BMP file image named in the definition, exactly as long as its header says; an
// empty name gives no bytes (an empty slot).
std::vector<std::uint8_t> LoadBitmapFile(const std::filesystem::path& folder, const std::string& name) {
    if (name.empty()) return {};
    const std::filesystem::path path = folder / name;
    std::vector<std::uint8_t> bytes = ReadBinaryFile(path);
    std::size_t consumed = 0;
    try {
        (void)gfx::ReadBmp(bytes, &consumed);
    } catch (const gfx::ImageError& e) {
        throw SkinBuildError(path.string() + ": " + e.what());
    }
    bytes.resize(consumed);
    return bytes;
}

std::vector<std::uint8_t> Build(const std::filesystem::path& definition) {
    const std::vector<std::uint8_t> file = ReadBinaryFile(definition);
    const std::vector<std::string> lines =
        SplitLines(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
    const IniFile ini(lines);
    for (const std::string_view section : kRequiredSections) {
        if (!ini.SectionExists(section)) {
            throw SkinBuildError("the section [" + std::string(section) + "] is missing");
        }
    }
    const std::filesystem::path folder = definition.parent_path();
    PackageWriter out(kBuiltPackageVersion);
    for (const std::string_view key : kSlotKeys) out.Slot(LoadBitmapFile(folder, ini.ReadString("PICTURES", key, "")));
    const std::vector<std::string> active = ini.ReadList("PICTURES", "activepictures");
    out.PictureCount(static_cast<std::int32_t>(active.size()));
    for (const std::string& name : active) {
        if (name.empty()) throw SkinBuildError("an entry of activepictures in [PICTURES] has no file name");
        out.Picture(LoadBitmapFile(folder, name));
    }
    out.Lines(lines);
    return out.Take();
}

}  // namespace

std::vector<std::uint8_t> BuildSkinPackage(const std::filesystem::path& definition) {
    try {
        return Build(definition);
    } catch (const std::runtime_error& e) {
        throw SkinBuildError("cannot build a skin from " + definition.string() + ": " + e.what());
    }
}

std::vector<std::uint8_t> BuildCompressedSkin(const std::filesystem::path& definition) {
    return DeflateSkin(BuildSkinPackage(definition), 9);
}

}  // namespace skin
