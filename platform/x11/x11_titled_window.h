// Window titles the way other programs (and our own window lookup) read
// them: WM_NAME and, in UTF-8, _NET_WM_NAME.
#pragma once

#include <X11/Xlib.h>

#include <string>

#include "platform/x11/x11_connection.h"

namespace blazemere::platform {

void SetWindowTitle(X11Connection& connection, Window window, const std::string& title);

// A top-level window that is never mapped: it exists only to be found by
// its title. 0 when the server would not make it.
[[nodiscard]] Window CreateHiddenTitledWindow(X11Connection& connection, const std::string& title);

}  // namespace blazemere::platform
