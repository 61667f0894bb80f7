// skinpack: builds, inspects, checks and shows compressed skins.
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "contact_sheet.h"
#include "gfx/png.h"
#include "skin/package/compressed_stored_skin.h"
#include "skin/package/skn_file.h"
#include "skin/skin_data.h"
#include "skin_check.h"
#include "skin_inspect.h"

namespace {

constexpr const char* kUsage =
    "usage: skinpack build DEF.ini OUT.skn   pack a definition and its bitmaps\n"
    "       skinpack inspect FILE.skn       print what a compressed skin holds\n"
    "       skinpack check DEF.ini          lint a definition for the game\n"
    "       skinpack sheet FILE.skn OUT.png draw every picture of a skin on one sheet\n";

int Build(const std::string& definition, const std::string& output) {
    skin::TspCompressedStoredSkin stored;
    stored.LoadFromSkinFile(definition);
    skin::WriteSknFile(output, stored.Data());
    std::cout << output << ": " << stored.Data().size() << " bytes of compressed skin\n";
    return 0;
}

int Inspect(const std::string& file) {
    skinpack::InspectSkin(skin::ReadSknFile(file), std::cout);
    return 0;
}

int Check(const std::string& definition) {
    const skinpack::CheckReport report = skinpack::CheckSkin(definition);
    for (const std::string& problem : report.problems) std::cerr << definition << ": " << problem << "\n";
    std::cout << definition << ": " << report.recordsChecked << " records checked, " << report.problems.size()
              << (report.problems.size() == 1 ? " problem\n" : " problems\n");
    return report.Clean() ? 0 : 1;
}

int Sheet(const std::string& file, const std::string& output) {
    skin::TspSkinData data;
    data.LoadCompressedStream(skin::ReadSknFile(file));
    std::vector<skinpack::SheetEntry> entries;
    entries.push_back({"picture", data.Picture()});
    entries.push_back({"inactivepicture", data.InactivePicture()});
    entries.push_back({"mask", data.Mask()});
    const std::vector<std::string>& names = data.Definition().ActivePictureNames;
    for (std::size_t i = 0; i < data.ActivePictures().size(); ++i) {
        const std::string name = i < names.size() ? names[i] : std::string();
        entries.push_back({std::to_string(i) + " " + name, data.ActivePictures()[i]});
    }
    std::erase_if(entries, [](const skinpack::SheetEntry& e) { return e.picture.empty(); });
    gfx::SavePngFile(skinpack::ContactSheet(entries), output);
    std::cout << output << ": " << entries.size() << " pictures\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "build") return Build(args[1], args[2]);
        if (args.size() == 2 && args[0] == "inspect") return Inspect(args[1]);
        if (args.size() == 2 && args[0] == "check") return Check(args[1]);
        if (args.size() == 3 && args[0] == "sheet") return Sheet(args[1], args[2]);
    } catch (const std::exception& e) {
        std::cerr << "skinpack: " << e.what() << "\n";
        return 1;
    }
    std::cerr << kUsage;
    return 2;
}
