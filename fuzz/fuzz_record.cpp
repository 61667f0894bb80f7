// fuzz-links: skin
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "skin/definition/ini_file.h"
#include "skin/definition/skin_kinds.h"

namespace {

// Loads the section into a new record, writes it, and reads what it wrote into another:
// both must write the same lines.
template <class Record, class Create>
void RoundTrip(Create create, const skin::IniFile& ini) {
    std::unique_ptr<Record> record = create();
    record->IDName = "R";
    try {
        record->LoadFromIni(ini);
    } catch (const skin::SkinFormatError&) {
        return;
    }
    skin::IniFile written;
    record->SaveToIni(written);
    std::unique_ptr<Record> again = create();
    again->IDName = "R";
    again->LoadFromIni(skin::IniFile(written.Lines()));
    skin::IniFile rewritten;
    again->SaveToIni(rewritten);
    if (rewritten.Lines() != written.Lines()) std::abort();
}

}  // namespace

// One record of the skin definition at a time: the first byte picks the kind among the
// object and control kinds, the rest is the body of the record's section. Without the
// rest of a definition to build, each input runs in microseconds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto objects = skin::SkinObjectKinds();
    const auto controls = skin::SkinControlKinds();
    const std::size_t pick = data[0] % (objects.size() + controls.size());
    const std::string text = "[R]\n" + std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    const skin::IniFile ini = skin::IniFile::FromText(text);
    if (pick < objects.size()) {
        const std::string_view kind = objects[pick];
        RoundTrip<skin::TspDataSkinObject>([&] { return skin::CreateSkinObject(kind); }, ini);
    } else {
        const std::string_view kind = controls[pick - objects.size()];
        RoundTrip<skin::TspDataSkinControl>([&] { return skin::CreateSkinControl(kind); }, ini);
    }
    return 0;
}
