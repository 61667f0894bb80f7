// fuzz-links: skin
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/definition/ini_file.h"
#include "skin/definition/skin_definition.h"

// Reads arbitrary text as a skin definition. A format error is the one allowed refusal;
// anything else escaping, a crash or a sanitizer report is a fault. What loads must also
// survive being written out and read again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    skin::SkinDefinition definition;
    try {
        definition.LoadFromIni(skin::IniFile::FromText(text));
    } catch (const skin::SkinFormatError&) {
        return 0;
    }
    skin::IniFile written;
    definition.SaveToIni(written);
    skin::SkinDefinition again;
    again.LoadFromIni(skin::IniFile(written.Lines()));
    return 0;
}
