#include "platform/sdl/sdl_keys.h"

#include <SDL.h>

namespace platform {

Key KeyFromSdl(std::int32_t k) {
    if (k >= SDLK_a && k <= SDLK_z) return static_cast<Key>('A' + (k - SDLK_a));
    if (k >= SDLK_0 && k <= SDLK_9) return static_cast<Key>('0' + (k - SDLK_0));
    if (k >= SDLK_F1 && k <= SDLK_F12) return static_cast<Key>(static_cast<int>(Key::F1) + (k - SDLK_F1));
    switch (k) {
        case SDLK_BACKSPACE:
            return Key::Back;
        case SDLK_TAB:
            return Key::Tab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return Key::Return;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return Key::Shift;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return Key::Control;
        case SDLK_LALT:
        case SDLK_RALT:
            return Key::Alt;
        case SDLK_ESCAPE:
            return Key::Escape;
        case SDLK_SPACE:
            return Key::Space;
        case SDLK_PAGEUP:
            return Key::PageUp;
        case SDLK_PAGEDOWN:
            return Key::PageDown;
        case SDLK_END:
            return Key::End;
        case SDLK_HOME:
            return Key::Home;
        case SDLK_LEFT:
            return Key::Left;
        case SDLK_UP:
            return Key::Up;
        case SDLK_RIGHT:
            return Key::Right;
        case SDLK_DOWN:
            return Key::Down;
        case SDLK_INSERT:
            return Key::Insert;
        case SDLK_DELETE:
            return Key::Delete;
        default:
            return Key::None;
    }
}

unsigned ShiftFromSdlMods(std::uint16_t mods) {
    unsigned s = 0;
    if (mods & KMOD_SHIFT) s |= ssShift;
    if (mods & KMOD_CTRL) s |= ssCtrl;
    if (mods & KMOD_ALT) s |= ssAlt;
    return s;
}

unsigned ShiftFromSdlButtons(std::uint32_t mask) {
    unsigned s = 0;
    if (mask & SDL_BUTTON_LMASK) s |= ssLeft;
    if (mask & SDL_BUTTON_RMASK) s |= ssRight;
    if (mask & SDL_BUTTON_MMASK) s |= ssMiddle;
    return s;
}

}  // namespace platform
