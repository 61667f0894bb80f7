#pragma once

namespace platform {

// Makes X protocol errors (a request that names a window destroyed a moment earlier, for
// instance) print a line instead of ending the process, which is what Xlib does by default.
void KeepRunningOnX11Errors();

}  // namespace platform
