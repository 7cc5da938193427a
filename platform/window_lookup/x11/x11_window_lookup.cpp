// Window lookup by title: see x11_window_lookup.h.
#include "platform/window_lookup/x11/x11_window_lookup.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <optional>
#include <vector>


namespace blazemere::platform {

namespace {

std::optional<std::string> ReadTextProperty(Display* display, Window window, Atom property, Atom type) {
  Atom actualType = None;
  int actualFormat = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, window, property, 0, 4096, False, type, &actualType,
                                        &actualFormat, &count, &remaining, &data);
  if (status != Success || actualType == None || actualFormat != 8 || data == nullptr) {
    if (data != nullptr) XFree(data);
    return std::nullopt;
  }
  std::string text(reinterpret_cast<char*>(data), count);
  XFree(data);
  return text;
}

std::optional<std::string> WindowTitle(Display* display, Window window, Atom netWmName, Atom utf8String) {
  if (auto title = ReadTextProperty(display, window, netWmName, utf8String)) return title;
  return ReadTextProperty(display, window, XA_WM_NAME, AnyPropertyType);
}

Window FindInSubtree(Display* display, Window root, std::string_view title, Atom netWmName, Atom utf8String) {
  std::vector<Window> pending{root};
  while (!pending.empty()) {
    const Window window = pending.back();
    pending.pop_back();
    if (auto name = WindowTitle(display, window, netWmName, utf8String); name && *name == title) return window;

    Window rootReturn = 0;
    Window parentReturn = 0;
    Window* children = nullptr;
    unsigned int childCount = 0;
    if (XQueryTree(display, window, &rootReturn, &parentReturn, &children, &childCount) == 0) continue;
    // Push in reverse so that children are visited in stacking order.
    for (unsigned int i = childCount; i > 0; --i) pending.push_back(children[i - 1]);
    if (children != nullptr) XFree(children);
  }
  return 0;
}

}  // namespace

Window FindWindowByTitle(X11Connection& connection, std::string_view title) {
  Display* display = connection.display();
  // Windows can be destroyed by their owners while we walk the tree; a
  // request on one of them fails and the walk skips it.
  X11ErrorTrap vanishedWindows(display);
  const Atom netWmName = connection.atom(X11Atom::kNetWmName);
  const Atom utf8String = connection.atom(X11Atom::kUtf8String);
  for (int screen = 0; screen < ScreenCount(display); ++screen) {
    const Window found = FindInSubtree(display, RootWindow(display, screen), title, netWmName, utf8String);
    if (found != 0) return found;
  }
  return 0;
}

}  // namespace blazemere::platform
