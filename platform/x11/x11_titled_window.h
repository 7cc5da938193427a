// Window titles the way other programs (and our own window lookup) read
// them: WM_NAME and, in UTF-8, _NET_WM_NAME.
#pragma once

#include <X11/Xlib.h>
#include <string>

namespace blazemere::platform {

void SetWindowTitle(Display* display, Window window, const std::string& title);

// A top-level window that is never mapped: it exists only to be found by
// its title. 0 on failure.
Window CreateHiddenTitledWindow(Display* display, const std::string& title);

}  // namespace blazemere::platform
