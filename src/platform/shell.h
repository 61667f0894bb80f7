#pragma once

#include <string>

namespace platform {

// Hands addresses to the desktop.
class Shell {
public:
    // Opens address (a web address or a file) with the desktop's default handler through
    // xdg-open, without waiting for it. The address is passed as one argument and never
    // seen by a shell. Returns false when the handler could not be started.
    static bool Open(const std::string& address);
};

}  // namespace platform
