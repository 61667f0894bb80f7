#include "skin/resource_str_data.h"

#include <algorithm>
#include <cctype>

namespace skin {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

TspResourceStrData::TspResourceStrData(platform::Component* owner)
    : platform::Component(owner), ResStrings(DefaultStrings()) {}

std::string TspResourceStrData::GetResStr(std::string_view name) const {
    for (const std::string& line : ResStrings) {
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos && EqualsIgnoringCase(std::string_view(line).substr(0, eq), name)) {
            return line.substr(eq + 1);
        }
    }
    return {};
}

const std::vector<std::string>& TspResourceStrData::DefaultStrings() {
    static const std::vector<std::string> strings = {
        "MI_MINCAPTION=Mi&nimize",
        "MI_MAXCAPTION=Ma&ximize",
        "MI_RESTORECAPTION=&Restore",
        "MI_ROLLUPCAPTION=Ro&llUp",
        "MI_MINTOTRAYCAPTION=Minimize to &Tray",
        "MI_CLOSECAPTION=&Close",
        "CLOSEBUTTON_HINT=Close",
        "MAXBUTTON_HINT=Maximize",
        "MINBUTTON_HINT=Minimize",
        "MENUBUTTON_HINT=System menu",
        "ROLLUPBUTTON_HINT=Roll Up",
        "TRAYBUTTON_HINT=Minimize to Tray",
    };
    return strings;
}

}  // namespace skin
