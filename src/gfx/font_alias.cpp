#include "gfx/font_alias.h"

#include <array>
#include <utility>

namespace gfx {
namespace {

// The one alias table. Without it fontconfig would give DejaVu Sans for "MS Sans Serif",
// whose wider glyphs no longer fit the captions laid out for the original font.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kAliases{{
    {"Arial", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
}};

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

std::string_view FontconfigFamily(std::string_view logicalName) {
    for (const auto& [name, family] : kAliases) {
        if (EqualsIgnoringAsciiCase(name, logicalName)) return family;
    }
    return logicalName;
}

}  // namespace gfx
