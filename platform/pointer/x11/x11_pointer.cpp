// Pointer position and the window under a point, by walking the window tree
// from the root through each level's child at the point.
#include "platform/pointer/x11/x11_pointer.h"

namespace blazemere::platform {

std::optional<ScreenPoint> GetCursorPos(Display* display) {
  Window root = 0;
  Window child = 0;
  int rootX = 0;
  int rootY = 0;
  int winX = 0;
  int winY = 0;
  unsigned int mask = 0;
  if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &winX, &winY, &mask)) {
    return std::nullopt;
  }
  return ScreenPoint{rootX, rootY};
}

Window WindowFromPoint(Display* display, ScreenPoint point) {
  const Window root = DefaultRootWindow(display);
  Window current = root;
  // The tree is shallow; the bound only guards against a server that keeps
  // answering with a child.
  for (int depth = 0; depth < 64; ++depth) {
    int x = 0;
    int y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(display, root, current, point.x, point.y, &x, &y, &child) || child == 0) break;
    current = child;
  }
  return current;
}

}  // namespace blazemere::platform
