// FindWindowA on an X server. Every window of the tree counts, unmapped ones
// and ones a window manager has reparented included.
#pragma once

#include <X11/Xlib.h>

#include <string_view>

#include "platform/window_lookup/window_lookup.h"
#include "platform/x11/x11_connection.h"

namespace blazemere::platform {

// The first window, depth first from the roots, whose _NET_WM_NAME (UTF-8)
// or, lacking that, WM_NAME equals `title` exactly; 0 when there is none.
// Windows that vanish during the walk are skipped.
[[nodiscard]] Window FindWindowByTitle(X11Connection& connection, std::string_view title);

class X11WindowLookup final : public WindowLookup {
 public:
  explicit X11WindowLookup(X11Connection& connection) : connection_(connection) {}
  [[nodiscard]] WindowHandle FindWindowByTitle(std::string_view title) override {
    return platform::FindWindowByTitle(connection_, title);
  }

 private:
  X11Connection& connection_;
};

}  // namespace blazemere::platform
