#pragma once

#include <string>
#include <string_view>

namespace platform {

// The desktop's clipboard for text, as UTF-8. Each backend has one; copying puts text
// there for every program, pasting reads what any program put there.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Puts text on the clipboard, replacing what was there.
    virtual void SetText(std::string_view utf8) = 0;
    // The text on the clipboard; empty when it holds none.
    [[nodiscard]] virtual std::string Text() = 0;
};

// A clipboard held in memory, for a backend without a desktop.
class MemoryClipboard : public Clipboard {
public:
    void SetText(std::string_view utf8) override { text_ = utf8; }
    [[nodiscard]] std::string Text() override { return text_; }

private:
    std::string text_;
};

}  // namespace platform
