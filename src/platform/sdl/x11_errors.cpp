#include "platform/sdl/x11_errors.h"

#include <X11/Xlib.h>

#include <cstdio>

namespace platform {

namespace {
int LogX11Error(Display* display, XErrorEvent* error) {
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "X error ignored: %s (request %d, resource 0x%lx)\n", text, error->request_code,
                 error->resourceid);
    return 0;
}
}  // namespace

void KeepRunningOnX11Errors() { XSetErrorHandler(LogX11Error); }

}  // namespace platform
