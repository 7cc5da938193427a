// Caption zoom on X11: see x11_caption_zoom.h.
#include "platform/caption_zoom/x11/x11_caption_zoom.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

namespace blazemere::platform {

namespace {

constexpr int kSteps = 8;
constexpr auto kStepTime = std::chrono::milliseconds(31);  // 8 steps, about 250 ms
constexpr int kLineWidth = 2;

using Edges = std::array<Window, 4>;

std::optional<Edges> CreateEdges(Display* display) {
  X11ErrorTrap trap(display);
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.background_pixel = WhitePixel(display, DefaultScreen(display));
  attributes.save_under = True;
  Edges edges{};
  for (Window& edge : edges) {
    edge = XCreateWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, CopyFromParent, InputOutput,
                         CopyFromParent, CWOverrideRedirect | CWBackPixel | CWSaveUnder, &attributes);
  }
  if (trap.Failed()) {
    for (const Window edge : edges) {
      if (edge != 0) XDestroyWindow(display, edge);
    }
    return std::nullopt;
  }
  return edges;
}

void PlaceEdges(Display* display, const Edges& edges, const ScreenRect& r) {
  const int left = std::min(r.left, r.right);
  const int top = std::min(r.top, r.bottom);
  const auto width = static_cast<unsigned>(std::max(std::abs(r.right - r.left), kLineWidth));
  const auto height = static_cast<unsigned>(std::max(std::abs(r.bottom - r.top), kLineWidth));
  XMoveResizeWindow(display, edges[0], left, top, width, kLineWidth);
  XMoveResizeWindow(display, edges[1], left, top + static_cast<int>(height) - kLineWidth, width, kLineWidth);
  XMoveResizeWindow(display, edges[2], left, top, kLineWidth, height);
  XMoveResizeWindow(display, edges[3], left + static_cast<int>(width) - kLineWidth, top, kLineWidth, height);
}

// The outline's move and the repaint of what it uncovered reach the screen
// as one change.
void WithServerGrabbed(Display* display, const std::function<void()>& change, const ZoomRepaint& repaint) {
  XGrabServer(display);
  change();
  if (repaint) repaint();
  XUngrabServer(display);
  XFlush(display);
}

}  // namespace

void X11CaptionZoom::DrawAnimatedRects(const ScreenRect& from, const ScreenRect& to, const ZoomRepaint& repaint) {
  Display* display = connection_.display();
  const std::optional<Edges> created = CreateEdges(display);
  if (!created) return;  // the server would not make the outline: nothing to show
  const Edges& edges = *created;
  bool mapped = false;
  for (const ScreenRect& frame : CaptionZoomFrames(from, to, kSteps)) {
    WithServerGrabbed(display, [&] {
      PlaceEdges(display, edges, frame);
      if (!mapped) {
        for (const Window edge : edges) XMapRaised(display, edge);
        mapped = true;
      }
    }, repaint);
    std::this_thread::sleep_for(kStepTime);
  }
  WithServerGrabbed(display, [&] {
    for (const Window edge : edges) XDestroyWindow(display, edge);
  }, repaint);
}

std::optional<ScreenRect> X11CaptionZoom::WindowRect(WindowHandle window) {
  Display* display = connection_.display();
  X11ErrorTrap trap(display);
  XWindowAttributes attributes{};
  int x = 0;
  int y = 0;
  Window child = 0;
  if (XGetWindowAttributes(display, window, &attributes) == 0 ||
      !XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child) || trap.Failed()) {
    return std::nullopt;
  }
  return ScreenRect{x, y, x + attributes.width, y + attributes.height};
}

}  // namespace blazemere::platform
