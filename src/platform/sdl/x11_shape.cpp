#include "platform/sdl/x11_shape.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <vector>

namespace platform {

void ApplyX11Shape(SDL_Window* window, const std::optional<gfx::Region>& outline) {
    if (!window) return;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    const ::Window xwindow = info.info.x11.window;
    if (!outline) {
        XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> rects;
        rects.reserve(outline->Rects().size());
        for (const gfx::Rect& r : outline->Rects()) {
            // X rectangles are 16-bit; a window outline never comes near that.
            rects.push_back({static_cast<short>(std::clamp(r.left, -32768, 32767)),
                             static_cast<short>(std::clamp(r.top, -32768, 32767)),
                             static_cast<unsigned short>(std::clamp(r.width(), 0, 65535)),
                             static_cast<unsigned short>(std::clamp(r.height(), 0, 65535))});
        }
        // The region's rectangles are sorted by top, then left, without overlaps.
        XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, rects.data(), static_cast<int>(rects.size()),
                                ShapeSet, YSorted);
    }
    XFlush(display);
}

}  // namespace platform
