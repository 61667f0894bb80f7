#include "skin_inspect.h"

#include <string>
#include <vector>

#include "record_keys.h"
#include "skin/definition/ini_file.h"
#include "skin/package/skin_package.h"
#include "skin/skin_data.h"

namespace skinpack {

namespace {

std::string Describe(const gfx::BmpImage& image) {
    if (image.pixels.empty()) return "empty";
    return std::to_string(image.pixels.width()) + " x " + std::to_string(image.pixels.height()) + ", " +
           std::to_string(image.bitsPerPixel) + (image.bitsPerPixel == 1 ? " bit" : " bits");
}

void PrintSlots(const skin::SkinPackage& package, std::ostream& out) {
    const skin::SlotLayout layout = skin::SlotsForVersion(package.version);
    out << "version " << package.version << "\n";
    out << "slot picture: " << Describe(package.picture) << "\n";
    if (layout.inactivePicture) out << "slot inactive picture: " << Describe(package.inactivePicture) << "\n";
    out << "slot mask: " << Describe(package.mask) << "\n";
    if (layout.rollUp) {
        out << "slot roll-up picture: " << Describe(package.rollUpPicture) << "\n";
        out << "slot roll-up mask: " << Describe(package.rollUpMask) << "\n";
    }
}

template <class Record>
void PrintRecord(std::size_t index, Record& record, std::ostream& out) {
    RecordKeys keys;
    record.Exchange(keys);
    out << "  " << index << " " << record.IDName << ":" << record.KindName();
    for (const auto& [key, value] : keys.pictureIndices) {
        if (value != -1) out << " " << key << "=" << value;
    }
    for (const auto& [key, rect] : keys.rects) {
        if (!rect.empty()) out << " " << key << "=" << FormatRect(rect);
    }
    out << "\n";
}

}  // namespace

void InspectSkin(std::span<const std::uint8_t> stream, std::ostream& out) {
    const skin::SkinPackage package = skin::ReadSkinPackage(skin::InflateSkin(stream));
    skin::TspSkinData data;
    data.LoadCompressedStream(stream);
    const skin::SkinDefinition& definition = data.Definition();

    PrintSlots(package, out);
    out << "active pictures: " << package.activePictures.size() << "\n";
    for (std::size_t i = 0; i < package.activePictures.size(); ++i) {
        const std::string name =
            i < definition.ActivePictureNames.size() ? definition.ActivePictureNames[i] : std::string("(unnamed)");
        out << "  " << i << " " << name << ": " << Describe(package.activePictures[i]) << "\n";
    }
    out << "definition: " << package.lines.size() << " lines\n";

    skin::IniFile formInfo;
    data.FormInfo().SaveToIni(formInfo);
    for (const std::string& line : formInfo.Lines()) {
        if (!line.empty()) out << (line.front() == '[' ? "" : "  ") << line << "\n";
    }
    out << "objects: " << data.Objects().size() << "\n";
    for (std::size_t i = 0; i < data.Objects().size(); ++i) PrintRecord(i, *data.Objects()[i], out);
    out << "controls: " << data.Controls().size() << "\n";
    for (std::size_t i = 0; i < data.Controls().size(); ++i) PrintRecord(i, *data.Controls()[i], out);
    out << "areas: " << data.Areas().size() << "\n";
    for (const skin::TspDataSkinArea& area : data.Areas()) {
        out << "  " << area.IDName << " " << FormatRect(area.AreaRect) << "\n";
    }
}

}  // namespace skinpack
