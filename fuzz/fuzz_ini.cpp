// fuzz-links: skin
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "skin/definition/ini_file.h"

// Reads arbitrary text with the definition's ini reader alone, so that each input costs
// microseconds rather than a whole skin definition. Every typed read of every key must
// either answer or refuse with a format error, and the written lines must read back to
// the same lines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const skin::IniFile ini = skin::IniFile::FromText(text);
    const std::vector<std::string> lines = ini.Lines();
    for (const std::string& line : lines) {
        if (line.empty() || line.front() == '[') continue;
        const std::string key = line.substr(0, line.find('='));
        for (const std::string& section : ini.SectionNames()) {
            if (!ini.ValueExists(section, key)) continue;
            (void)ini.ReadInteger(section, key, 0);
            (void)ini.ReadColor(section, key, 0);
            (void)ini.ReadBool(section, key, false);
            (void)ini.ReadFontStyle(section, key, 0);
            (void)ini.ReadList(section, key);
            (void)ini.ReadLines(section, key);
            try {
                (void)ini.ReadPoint(section, key, {});
                (void)ini.ReadRect(section, key, {});
            } catch (const skin::SkinFormatError&) {
            }
        }
    }
    if (skin::IniFile(lines).Lines() != lines) std::abort();
    return 0;
}
