#pragma once

#include <string>

#include "platform/form.h"

namespace platform {

class Application;
class TButton;

enum class MessageKind { Information, Warning, Error };

// A message box window of our own: an icon of its kind, the word-wrapped text and one OK
// button, sized to the text. Closed by OK, Enter, Space or Esc.
class MessageBoxForm : public Form {
public:
    MessageBoxForm(Application& app, std::string text, std::string title, MessageKind kind);

    [[nodiscard]] const std::string& Text() const { return text_; }
    [[nodiscard]] MessageKind Kind() const { return kind_; }
    [[nodiscard]] TButton& OkButton() const { return *ok_; }
    // Where the text is drawn, in client coordinates.
    [[nodiscard]] gfx::Rect TextRect() const { return textRect_; }

    void Paint(gfx::Painter& painter) override;

private:
    std::string text_;
    MessageKind kind_;
    TButton* ok_ = nullptr;
    gfx::Rect textRect_;
};

// Shows a modal message box centred over the active window (or the work area when none is
// active) and returns when it is closed; the program's other windows take no input
// meanwhile.
void ShowMessageBox(Application& app, const std::string& text, const std::string& title, MessageKind kind);

// The font message boxes and the plain controls write with.
[[nodiscard]] gfx::Font MessageFont();

}  // namespace platform
