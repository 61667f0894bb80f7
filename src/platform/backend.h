#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "gfx/bitmap.h"
#include "gfx/region.h"
#include "platform/input.h"

namespace platform {

class Application;
class Audio;
class Clipboard;
class Form;

// What differs between running on a real display and running in tests: event input, the
// clock, presentation, outlines and audio. The Application and everything above it run
// the same code on every backend. Times are milliseconds on the backend's own clock.
class Backend {
public:
    virtual ~Backend() = default;

    // Waits until windows can be shown, for a backend that connects to its display while
    // the program builds them; throws when no display can be opened. Run calls it first, so
    // that such a failure ends the program rather than being shown in a window.
    virtual void AwaitDisplay() {}
    // The current time on the clock timers run by.
    [[nodiscard]] virtual std::int64_t NowMs() = 0;
    // Waits until input arrives or the deadline passes and hands what arrived to app.
    // Returns false when no input will ever come (a test script that has run out).
    virtual bool WaitEvents(Application& app, std::optional<std::int64_t> deadline) = 0;
    // Hands pending input to app without waiting.
    virtual void PollEvents(Application& app) = 0;

    // The desktop's usable area (without panels) and the whole screen, in screen pixels.
    [[nodiscard]] virtual gfx::Rect WorkArea() = 0;
    [[nodiscard]] virtual gfx::Rect ScreenRect() = 0;

    // The program's name toward the window system.
    virtual void SetTitle(const std::string& title) = 0;

    // Native window life cycle; each form has one native window from creation to
    // destruction. Bounds are outer bounds in screen pixels.
    virtual void CreateWindow(Form& form) = 0;
    virtual void DestroyWindow(Form& form) = 0;
    virtual void ShowWindow(Form& form, bool visible) = 0;
    // Puts the window in front of the program's other windows and gives it the keyboard.
    virtual void RaiseWindow(Form& form) = 0;
    virtual void MinimizeWindow(Form& form) = 0;
    virtual void SetWindowBounds(Form& form, const gfx::Rect& bounds) = 0;
    virtual void SetWindowCaption(Form& form, const std::string& caption) = 0;
    // The outline (window coordinates); nullopt makes the window rectangular again.
    virtual void SetWindowOutline(Form& form, const std::optional<gfx::Region>& outline) = 0;
    // Constant opacity, 255 for opaque.
    virtual void SetWindowOpacity(Form& form, std::uint8_t opacity) = 0;
    // Shows the part dirty (window coordinates) of the window's backbuffer.
    virtual void Present(Form& form, const gfx::Bitmap& backbuffer, const gfx::Rect& dirty) = 0;

    virtual void SetCursor(Cursor cursor) = 0;
    // While captured, pointer events keep coming to the form even outside it.
    virtual void CapturePointer(Form& form, bool capture) = 0;
    // Where the pointer is, in screen pixels.
    [[nodiscard]] virtual gfx::Point PointerPosition() = 0;

    // The sound output; null where the backend has none.
    [[nodiscard]] virtual Audio* GetAudio() = 0;
    // The clipboard for text.
    [[nodiscard]] virtual Clipboard& GetClipboard() = 0;
};

}  // namespace platform
