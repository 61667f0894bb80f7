// fuzz-links: skin
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "skin/definition/ini_file.h"

namespace {

// Runs one typed read; a format error is the one refusal allowed.
template <class Read>
void Refusable(Read read) {
    try {
        read();
    } catch (const skin::SkinFormatError&) {
    }
}

}  // namespace

// Reads arbitrary text with the definition's ini reader alone, so that each input costs
// microseconds rather than a whole skin definition. Every typed read of every key must
// either answer or refuse with a format error, and the written lines must read back to
// the same lines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const skin::IniFile ini = skin::IniFile::FromText(text);
    const std::vector<std::string> lines = ini.Lines();
    // The written lines name each section and then its keys, so one pass visits every key
    // (a repeated section's keys are read from the first, which wins).
    std::string section;
    for (const std::string& line : lines) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const std::string key = line.substr(0, line.find('='));
        Refusable([&] { (void)ini.ReadInteger(section, key, 0); });
        Refusable([&] { (void)ini.ReadColor(section, key, 0); });
        Refusable([&] { (void)ini.ReadBool(section, key, false); });
        Refusable([&] { (void)ini.ReadFontStyle(section, key, 0); });
        Refusable([&] { (void)ini.ReadList(section, key); });
        Refusable([&] { (void)ini.ReadLines(section, key); });
        Refusable([&] { (void)ini.ReadPoint(section, key, {}); });
        Refusable([&] { (void)ini.ReadRect(section, key, {}); });
    }
    if (skin::IniFile(lines).Lines() != lines) std::abort();
    return 0;
}
