// Times a program's start to its first window being mapped, from the X server's own map
// notification rather than by polling, so that two programs can be compared within a few
// milliseconds. Starts the program, waits for a top-level window titled NAME to be mapped,
// prints the milliseconds, then ends the program and waits for it.
// Usage: burdomir_map_timer NAME program [arguments...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kGiveUp = std::chrono::seconds(10);

// The atoms of the EWMH title, asked for once: each ask is a round trip to the server.
struct TitleAtoms {
    Atom netName;
    Atom utf8;
};

// The window's title as the program set it: the EWMH name in UTF-8, else the ICCCM one.
std::string TitleOf(Display* display, const TitleAtoms& atoms, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, atoms.netName, 0, 1024, False, atoms.utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        if (!title.empty()) return title;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

bool IsMapped(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state != IsUnmapped;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

void EndChild(pid_t child) {
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "Usage: burdomir_map_timer NAME program [arguments...]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_timer: cannot open the display\n");
        return 1;
    }
    // Windows vanish under us as programs end; their errors are expected, not fatal.
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(display);
    const TitleAtoms atoms{XInternAtom(display, "_NET_WM_NAME", False), XInternAtom(display, "UTF8_STRING", False)};
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto started = Clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "map_timer: cannot start %s: %s\n", argv[2], std::strerror(errno));
        return 1;
    }
    // A new top-level window is watched for its own map and title changes; whichever comes
    // last of "mapped" and "titled NAME" is the moment it counts as shown.
    const int fd = ConnectionNumber(display);
    while (Clock::now() - started < kGiveUp) {
        if (!XPending(display)) {
            pollfd waiting{fd, POLLIN, 0};
            poll(&waiting, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        Window window = None;
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            window = event.xcreatewindow.window;
            XSelectInput(display, window, StructureNotifyMask | PropertyChangeMask);
            XSync(display, False);
        } else if (event.type == MapNotify) {
            window = event.xmap.window;
        } else if (event.type == PropertyNotify) {
            window = event.xproperty.window;
        }
        if (window != None && IsMapped(display, window) && TitleOf(display, atoms, window) == wanted) {
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
            std::printf("%lld\n", static_cast<long long>(ms.count()));
            EndChild(child);
            XCloseDisplay(display);
            return 0;
        }
    }
    std::fprintf(stderr, "map_timer: no window titled '%s' was mapped within 10 s\n", wanted.c_str());
    EndChild(child);
    XCloseDisplay(display);
    return 1;
}
