// Titled windows: see x11_titled_window.h.
#include "platform/x11/x11_titled_window.h"

#include <X11/Xatom.h>

namespace blazemere::platform {

void SetWindowTitle(X11Connection& connection, Window window, const std::string& title) {
  Display* display = connection.display();
  const auto* bytes = reinterpret_cast<const unsigned char*>(title.data());
  const int length = static_cast<int>(title.size());
  XChangeProperty(display, window, XA_WM_NAME, XA_STRING, 8, PropModeReplace, bytes, length);
  XChangeProperty(display, window, connection.atom(X11Atom::kNetWmName), connection.atom(X11Atom::kUtf8String), 8,
                  PropModeReplace, bytes, length);
}

Window CreateHiddenTitledWindow(X11Connection& connection, const std::string& title) {
  Display* display = connection.display();
  X11ErrorTrap trap(display);
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  const Window window = XCreateWindow(display, DefaultRootWindow(display), -10, -10, 1, 1, 0, CopyFromParent,
                                      InputOnly, CopyFromParent, CWOverrideRedirect, &attributes);
  if (trap.Failed()) return 0;
  SetWindowTitle(connection, window, title);
  XSelectInput(display, window, StructureNotifyMask);
  XFlush(display);
  return window;
}

}  // namespace blazemere::platform
