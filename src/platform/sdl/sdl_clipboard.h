#pragma once

#include "platform/clipboard.h"

namespace platform {

// The X11 clipboard through SDL (the CLIPBOARD selection, which Ctrl+C and Ctrl+V use in
// every desktop program).
class SdlClipboard : public Clipboard {
public:
    void SetText(std::string_view utf8) override;
    [[nodiscard]] std::string Text() override;
};

}  // namespace platform
