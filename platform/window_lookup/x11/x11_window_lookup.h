// FindWindow by title on an X server: the host's only way to learn whether
// another host or the renderer is running. Every window of the tree counts,
// unmapped ones and ones a window manager has reparented included.
#pragma once

#include <X11/Xlib.h>
#include <string>

namespace blazemere::platform {

// The first window, depth first from the root, whose _NET_WM_NAME (UTF-8) or,
// lacking that, WM_NAME equals `title` exactly; 0 when there is none.
// Windows that vanish during the walk are skipped.
Window FindWindowByTitle(Display* display, const std::string& title);

}  // namespace blazemere::platform
