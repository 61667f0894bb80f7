#include "platform/sdl/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/application.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/x11_errors.h"
#include "platform/sdl/x11_shape.h"

namespace platform {

namespace {

gfx::Rect ToRect(const SDL_Rect& r) { return gfx::Rect::from_size(r.x, r.y, r.w, r.h); }

MouseButton ButtonFromSdl(std::uint8_t b) {
    if (b == SDL_BUTTON_RIGHT) return MouseButton::Right;
    if (b == SDL_BUTTON_MIDDLE) return MouseButton::Middle;
    return MouseButton::Left;
}

SDL_SystemCursor SystemCursorFor(Cursor c) {
    switch (c) {
        case Cursor::HandPoint:
            return SDL_SYSTEM_CURSOR_HAND;
        case Cursor::IBeam:
            return SDL_SYSTEM_CURSOR_IBEAM;
        case Cursor::Wait:
            return SDL_SYSTEM_CURSOR_WAIT;
        case Cursor::SizeAll:
            return SDL_SYSTEM_CURSOR_SIZEALL;
        case Cursor::SizeWE:
            return SDL_SYSTEM_CURSOR_SIZEWE;
        case Cursor::SizeNS:
            return SDL_SYSTEM_CURSOR_SIZENS;
        case Cursor::SizeNWSE:
            return SDL_SYSTEM_CURSOR_SIZENWSE;
        case Cursor::SizeNESW:
            return SDL_SYSTEM_CURSOR_SIZENESW;
        default:
            return SDL_SYSTEM_CURSOR_ARROW;
    }
}

// What is missing, for the one line a program without a display prints.
std::string NoDisplayReason() {
    const char* display = SDL_getenv("DISPLAY");
    const std::string where =
        display && *display ? "the X display \"" + std::string(display) + "\" cannot be opened" : "DISPLAY is not set";
    return "no display to open windows on (" + where +
           "); run it in a graphical desktop session, or over SSH with X forwarding (ssh -X)";
}

gfx::Point GlobalPointer() {
    int x = 0, y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    return {x, y};
}

unsigned CurrentShift() {
    return ShiftFromSdlMods(static_cast<std::uint16_t>(SDL_GetModState())) |
           ShiftFromSdlButtons(SDL_GetGlobalMouseState(nullptr, nullptr));
}

}  // namespace

SdlBackend::SdlBackend() {
    // Without this the first window surface recreates the X window and drops its shape.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // A click on one of our windows that is not focused is still a click.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Windows come and go while requests about them are still on the way to the server.
    // Set before SDL starts, so that SDL keeps it as the handler it passes errors on to.
    KeepRunningOnX11Errors();
    // Our windows are X11 windows. Left to itself, SDL without a display settles for a
    // driver that draws nowhere (offscreen, dummy) and the program runs unseen for ever;
    // SDL_VIDEODRIVER in the environment still names any driver, as this hint yields to it.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    // Audio starts at its first sound, on the thread that plays it, after SDL's start: a
    // machine without sound still runs the program, and nothing else touches SDL meanwhile.
    audio_ = std::make_unique<SdlAudio>([this] { AwaitDisplay(); });
    // The start thread makes the only SDL calls until AwaitDisplay() has joined it.
    starting_ = std::thread([this] {
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
            startError_ = std::make_exception_ptr(NoDisplayError(NoDisplayReason()));
        // SDL frees a thread's own data (its error text) only for threads it made itself.
        SDL_TLSCleanup();
    });
}

SdlBackend::~SdlBackend() {
    if (starting_.joinable()) starting_.join();
    for (auto& [form, native] : windows_)
        if (native.window) SDL_DestroyWindow(native.window);
    for (SDL_Cursor* c : cursors_)
        if (c) SDL_FreeCursor(c);
    audio_.reset();
    SDL_Quit();
}

void SdlBackend::AwaitDisplay() {
    if (starting_.joinable()) {
        starting_.join();
        if (!startError_) {
            if (!title_.empty()) SDL_SetHint(SDL_HINT_APP_NAME, title_.c_str());
            SDL_StartTextInput();
        }
    }
    if (startError_) std::rethrow_exception(startError_);
}

std::int64_t SdlBackend::NowMs() { return static_cast<std::int64_t>(Clock::TickMs()); }

bool SdlBackend::WaitEvents(Application& app, std::optional<std::int64_t> deadline) {
    AwaitDisplay();
    if (const std::optional<std::int64_t> release = audio_->ReleaseDue())
        deadline = deadline ? std::min(*deadline, *release) : *release;
    SDL_Event event;
    int got = 0;
    if (deadline) {
        const std::int64_t wait = std::clamp<std::int64_t>(*deadline - NowMs(), 0, 1 << 30);
        got = wait == 0 ? SDL_PollEvent(&event) : SDL_WaitEventTimeout(&event, static_cast<int>(wait));
    } else {
        got = SDL_WaitEvent(&event);
    }
    if (got) Dispatch(app, event);
    PollEvents(app);
    audio_->ReleaseIfIdle(NowMs());
    return true;
}

void SdlBackend::PollEvents(Application& app) {
    AwaitDisplay();
    SDL_Event event;
    while (SDL_PollEvent(&event)) Dispatch(app, event);
}

gfx::Rect SdlBackend::WorkArea() {
    AwaitDisplay();
    SDL_Rect r;
    if (SDL_GetDisplayUsableBounds(0, &r) != 0) return ScreenRect();
    return ToRect(r);
}

gfx::Rect SdlBackend::ScreenRect() {
    AwaitDisplay();
    SDL_Rect r;
    if (SDL_GetDisplayBounds(0, &r) != 0) return {0, 0, 1024, 768};
    return ToRect(r);
}

void SdlBackend::SetTitle(const std::string& title) {
    title_ = title;
    if (!starting_.joinable()) SDL_SetHint(SDL_HINT_APP_NAME, title_.c_str());
}

SdlBackend::Native* SdlBackend::Find(const Form& form) {
    const auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : &it->second;
}

Form* SdlBackend::FormOf(std::uint32_t windowId) {
    for (auto& [form, native] : windows_)
        if (native.window && native.id == windowId) return const_cast<Form*>(form);
    return nullptr;
}

void SdlBackend::CreateWindow(Form& form) {
    Native& native = windows_[&form];
    native.bounds = form.BoundsRect();
    native.caption = form.Caption();
}

SDL_Window* SdlBackend::Realise(Form& form, Native& native) {
    if (native.window) return native.window;
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    if (form.PopupStyle) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
    const gfx::Rect b = native.bounds;
    native.window =
        SDL_CreateWindow(native.caption.c_str(), b.left, b.top, std::max(1, b.width()), std::max(1, b.height()), flags);
    if (!native.window) throw std::runtime_error(std::string("Cannot create a window: ") + SDL_GetError());
    native.id = SDL_GetWindowID(native.window);
    return native.window;
}

void SdlBackend::DestroyWindow(Form& form) {
    if (Native* native = Find(form)) {
        if (native->window) SDL_DestroyWindow(native->window);
        windows_.erase(&form);
    }
}

void SdlBackend::ShowWindow(Form& form, bool visible) {
    Native* native = Find(form);
    if (!native) return;
    if (!visible) {
        if (native->window) SDL_HideWindow(native->window);
        return;
    }
    AwaitDisplay();
    SDL_Window* window = Realise(form, *native);
    SDL_ShowWindow(window);
    // A window manager may place a new window elsewhere (openbox reports the first
    // position doubled): put it where the form says once it is mapped.
    SDL_SetWindowPosition(window, native->bounds.left, native->bounds.top);
    ApplyOutline(*native);
    if (native->opacity != 255) SDL_SetWindowOpacity(window, native->opacity / 255.0f);
}

void SdlBackend::RaiseWindow(Form& form) {
    Native* native = Find(form);
    if (!native || !native->window || !form.Visible()) return;
    if (SDL_GetWindowFlags(native->window) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(native->window);
    SDL_RaiseWindow(native->window);
    // Without a window manager nothing else moves the keyboard focus to a clicked window.
    if (!form.PopupStyle) SDL_SetWindowInputFocus(native->window);
}

void SdlBackend::MinimizeWindow(Form& form) {
    if (Native* native = Find(form); native && native->window) SDL_MinimizeWindow(native->window);
}

void SdlBackend::SetWindowBounds(Form& form, const gfx::Rect& bounds) {
    Native* native = Find(form);
    if (!native) return;
    const bool resized = bounds.size() != native->bounds.size();
    native->bounds = bounds;
    if (!native->window) return;
    SDL_SetWindowPosition(native->window, bounds.left, bounds.top);
    if (resized) {
        SDL_SetWindowSize(native->window, std::max(1, bounds.width()), std::max(1, bounds.height()));
        // A new size brings a new surface, and the X shape must be set again.
        ApplyOutline(*native);
    }
}

void SdlBackend::SetWindowCaption(Form& form, const std::string& caption) {
    Native* native = Find(form);
    if (!native) return;
    native->caption = caption;
    if (native->window) SDL_SetWindowTitle(native->window, caption.c_str());
}

void SdlBackend::SetWindowOutline(Form& form, const std::optional<gfx::Region>& outline) {
    Native* native = Find(form);
    if (!native) return;
    native->outline = outline;
    ApplyOutline(*native);
}

void SdlBackend::ApplyOutline(Native& native) { ApplyX11Shape(native.window, native.outline); }

void SdlBackend::SetWindowOpacity(Form& form, std::uint8_t opacity) {
    Native* native = Find(form);
    if (!native) return;
    native->opacity = opacity;
    if (native->window) SDL_SetWindowOpacity(native->window, opacity / 255.0f);
}

void SdlBackend::Present(Form& form, const gfx::Bitmap& backbuffer, const gfx::Rect& dirty) {
    Native* native = Find(form);
    if (!native || !native->window || backbuffer.empty()) return;
    SDL_Surface* target = SDL_GetWindowSurface(native->window);
    if (!target) return;
    SDL_Surface* source =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<gfx::Pixel*>(backbuffer.data()), backbuffer.width(),
                                           backbuffer.height(), 32, backbuffer.width() * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!source) return;
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    const gfx::Rect r = dirty.intersected(backbuffer.rect()).intersected({0, 0, target->w, target->h});
    if (!r.empty()) {
        SDL_Rect area{r.left, r.top, r.width(), r.height()};
        SDL_Rect to = area;
        SDL_BlitSurface(source, &area, target, &to);
        SDL_UpdateWindowSurfaceRects(native->window, &area, 1);
    }
    SDL_FreeSurface(source);
}

void SdlBackend::SetCursor(Cursor cursor) {
    if (cursor == cursor_) return;
    AwaitDisplay();
    cursor_ = cursor;
    const auto index = static_cast<std::size_t>(cursor);
    if (index >= cursors_.size()) return;
    if (!cursors_[index]) cursors_[index] = SDL_CreateSystemCursor(SystemCursorFor(cursor));
    if (cursors_[index]) SDL_SetCursor(cursors_[index]);
}

void SdlBackend::CapturePointer(Form& /*form*/, bool capture) {
    AwaitDisplay();
    SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE);
}

gfx::Point SdlBackend::PointerPosition() {
    AwaitDisplay();
    return GlobalPointer();
}

Audio* SdlBackend::GetAudio() { return audio_.get(); }

void SdlBackend::Dispatch(Application& app, const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT:
            app.Terminate();
            return;
        case SDL_MOUSEMOTION:
            if (Form* form = FormOf(e.motion.windowID))
                app.DeliverMouseMove(*form, {e.motion.x, e.motion.y}, GlobalPointer(), CurrentShift());
            return;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (Form* form = FormOf(e.button.windowID)) {
                unsigned shift = CurrentShift();
                const MouseButton button = ButtonFromSdl(e.button.button);
                if (e.type == SDL_MOUSEBUTTONDOWN) {
                    if (e.button.clicks >= 2 && e.button.clicks % 2 == 0) shift |= ssDouble;
                    app.DeliverMouseDown(*form, {e.button.x, e.button.y}, GlobalPointer(), button, shift);
                } else {
                    app.DeliverMouseUp(*form, {e.button.x, e.button.y}, GlobalPointer(), button, shift);
                }
            }
            return;
        case SDL_MOUSEWHEEL:
            if (Form* form = FormOf(e.wheel.windowID)) {
                int x = 0, y = 0;
                SDL_GetMouseState(&x, &y);
                app.DeliverMouseWheel(*form, {x, y}, e.wheel.y * 120, CurrentShift());
            }
            return;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            // Keys go to the window active among ours, whatever the window manager thinks.
            if (Form* form = app.ActiveForm()) {
                const Key key = KeyFromSdl(e.key.keysym.sym);
                if (key == Key::None) return;
                const unsigned shift = ShiftFromSdlMods(e.key.keysym.mod);
                if (e.type == SDL_KEYDOWN)
                    app.DeliverKeyDown(*form, key, shift);
                else
                    app.DeliverKeyUp(*form, key, shift);
            }
            return;
        case SDL_TEXTINPUT:
            if (Form* form = app.ActiveForm()) app.DeliverText(*form, e.text.text, 0);
            return;
        case SDL_WINDOWEVENT:
            if (Form* form = FormOf(e.window.windowID)) DispatchWindowEvent(app, *form, e);
            return;
        default:
            return;
    }
}

void SdlBackend::DispatchWindowEvent(Application& app, Form& form, const SDL_Event& e) {
    Native* native = Find(form);
    switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            // Focus moves among our windows through our own clicks and showing; the window
            // manager's word only matters when it picks a window a modal one blocks.
            if (!app.AcceptsInput(form)) app.DeliverFocusGained(form);
            return;
        case SDL_WINDOWEVENT_LEAVE:
            app.DeliverMouseLeave(form);
            return;
        case SDL_WINDOWEVENT_CLOSE:
            app.DeliverCloseRequest(form);
            return;
        case SDL_WINDOWEVENT_EXPOSED:
            form.InvalidateNonClient();
            return;
        case SDL_WINDOWEVENT_MOVED:
            // During our own move loop the manager reports positions we already know.
            if (native && !form.InMoveSize()) {
                const gfx::Rect b = gfx::Rect::from_size({e.window.data1, e.window.data2}, form.BoundsRect().size());
                native->bounds = b;
                app.DeliverBoundsChanged(form, b);
            }
            return;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            if (native) {
                ApplyOutline(*native);
                const gfx::Rect b =
                    gfx::Rect::from_size(form.BoundsRect().top_left(), {e.window.data1, e.window.data2});
                native->bounds = b;
                app.DeliverBoundsChanged(form, b);
                form.InvalidateNonClient();
            }
            return;
        default:
            return;
    }
}

}  // namespace platform
