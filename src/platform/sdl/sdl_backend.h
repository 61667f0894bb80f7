#pragma once

#include <array>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/backend.h"
#include "platform/sdl/sdl_clipboard.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace platform {

class SdlAudio;

// No display can show the program's windows; the message says why and what to do.
class NoDisplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Real windows through SDL2 on X11: borderless windows presented from each form's
// backbuffer (only the dirty part), outlines through the X shape extension, our own move
// and size loops (the frame's hit test decides, the pointer is captured and the window
// placed with SDL), work areas from the display's usable bounds, cursors, text input, and
// audio started apart from video so that a machine without sound still runs.
//
// SDL's start (loading the X libraries, connecting to the server, opening its input method)
// takes about as long as a program's windows take to build, and neither needs the other: it
// runs on a thread of its own from construction, and every call that needs SDL first waits
// for it to end. Calls that only record the state of a window not yet shown do not wait, so
// a program builds its windows while SDL starts.
class SdlBackend : public Backend {
public:
    // Starts SDL's video on X11 (or on the driver SDL_VIDEODRIVER names). When no display
    // can be opened, the first call that needs SDL throws NoDisplayError.
    SdlBackend();
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    // Waits for SDL's start, then finishes it on this thread (once); rethrows its failure.
    void AwaitDisplay() override;
    std::int64_t NowMs() override;
    bool WaitEvents(Application& app, std::optional<std::int64_t> deadline) override;
    void PollEvents(Application& app) override;
    gfx::Rect WorkArea() override;
    gfx::Rect ScreenRect() override;
    void SetTitle(const std::string& title) override;
    void CreateWindow(Form& form) override;
    void DestroyWindow(Form& form) override;
    void ShowWindow(Form& form, bool visible) override;
    void RaiseWindow(Form& form) override;
    void MinimizeWindow(Form& form) override;
    void SetWindowBounds(Form& form, const gfx::Rect& bounds) override;
    void SetWindowCaption(Form& form, const std::string& caption) override;
    void SetWindowOutline(Form& form, const std::optional<gfx::Region>& outline) override;
    void SetWindowOpacity(Form& form, std::uint8_t opacity) override;
    void Present(Form& form, const gfx::Bitmap& backbuffer, const gfx::Rect& dirty) override;
    void SetCursor(Cursor cursor) override;
    void CapturePointer(Form& form, bool capture) override;
    gfx::Point PointerPosition() override;
    Audio* GetAudio() override;
    Clipboard& GetClipboard() override {
        AwaitDisplay();
        return clipboard_;
    }

private:
    // One form's native window, made at its first showing, when the form's style is known.
    struct Native {
        SDL_Window* window = nullptr;
        std::uint32_t id = 0;
        gfx::Rect bounds;
        std::string caption;
        std::optional<gfx::Region> outline;
        std::uint8_t opacity = 255;
    };

    Native* Find(const Form& form);
    Form* FormOf(std::uint32_t windowId);
    SDL_Window* Realise(Form& form, Native& native);
    void ApplyOutline(Native& native);
    void Dispatch(Application& app, const SDL_Event& event);
    void DispatchWindowEvent(Application& app, Form& form, const SDL_Event& event);

    // SDL's start; joinable until AwaitDisplay has joined it and finished the start here.
    std::thread starting_;
    std::exception_ptr startError_;
    // The application title, given to SDL once it has started.
    std::string title_;
    std::map<const Form*, Native> windows_;
    std::array<SDL_Cursor*, 10> cursors_{};
    Cursor cursor_ = Cursor::Default;
    std::unique_ptr<SdlAudio> audio_;
    SdlClipboard clipboard_;
};

}  // namespace platform
