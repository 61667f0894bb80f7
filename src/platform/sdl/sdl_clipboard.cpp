#include "platform/sdl/sdl_clipboard.h"

#include <SDL.h>

namespace platform {

void SdlClipboard::SetText(std::string_view utf8) {
    // SDL wants a terminated string; text with a NUL inside ends there, as in any C program.
    const std::string text(utf8);
    SDL_SetClipboardText(text.c_str());
}

std::string SdlClipboard::Text() {
    char* text = SDL_GetClipboardText();
    if (!text) return {};
    std::string out(text);
    SDL_free(text);
    return out;
}

}  // namespace platform
