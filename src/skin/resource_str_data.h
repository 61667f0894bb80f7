#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/component.h"

namespace skin {

// The user-visible strings of skinned windows (system-menu captions, frame-button hints),
// kept as "NAME=value" lines so that a program can translate them in one place.
class TspResourceStrData : public platform::Component {
public:
    // Starts with the built-in English strings.
    explicit TspResourceStrData(platform::Component* owner = nullptr);

    std::vector<std::string> ResStrings;
    int CharSet = 1;  // the platform's default character set

    // The value of the first line whose name matches, ignoring letter case; "" when none.
    [[nodiscard]] std::string GetResStr(std::string_view name) const;

    // The built-in English lines the component starts with.
    [[nodiscard]] static const std::vector<std::string>& DefaultStrings();
};

}  // namespace skin
