// Titled windows: see x11_titled_window.h.
#include "platform/x11/x11_titled_window.h"

#include <X11/Xatom.h>

namespace blazemere::platform {

void SetWindowTitle(Display* display, Window window, const std::string& title) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(title.data());
  const int length = static_cast<int>(title.size());
  XChangeProperty(display, window, XA_WM_NAME, XA_STRING, 8, PropModeReplace, bytes, length);
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace, bytes, length);
}

Window CreateHiddenTitledWindow(Display* display, const std::string& title) {
  if (display == nullptr) return 0;
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  const Window window = XCreateWindow(display, DefaultRootWindow(display), -10, -10, 1, 1, 0, CopyFromParent,
                                      InputOnly, CopyFromParent, CWOverrideRedirect, &attributes);
  if (window == 0) return 0;
  SetWindowTitle(display, window, title);
  XSelectInput(display, window, StructureNotifyMask);
  XFlush(display);
  return window;
}

}  // namespace blazemere::platform
