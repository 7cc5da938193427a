// X session helpers for tests: see x_session.h.
#include "tests/support/x_session.h"

#include <X11/Xutil.h>
#include <thread>

#include "platform/window_lookup/x11/x11_window_lookup.h"
#include "tests/support/child_process.h"

namespace blazemere::testing {

XSession::XSession()
    : connection_(platform::X11Connection::Open()), display_(connection_ ? connection_->display() : nullptr) {}

XSession::~XSession() = default;

namespace {

// Asks until `done` holds or the deadline passes; true if it held.
template <typename Done>
bool PollUntil(std::chrono::milliseconds timeout, Done done) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace

Window XSession::WaitForWindow(const std::string& title, std::chrono::milliseconds timeout) {
  Window window = 0;
  PollUntil(timeout, [&] { return (window = platform::FindWindowByTitle(*connection_, title)) != 0; });
  return window;
}

bool XSession::WaitForNoWindow(const std::string& title, std::chrono::milliseconds timeout) {
  return PollUntil(timeout, [&] { return !Exists(title); });
}

bool XSession::Exists(const std::string& title) { return platform::FindWindowByTitle(*connection_, title) != 0; }

Window XSession::CreateFocusedWindow() {
  const Window window = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 100, 100, 64, 64, 0, 0, 0x808080);
  XStoreName(display_, window, "another program");
  XMapWindow(display_, window);
  XSync(display_, False);
  return XDoTool({"windowfocus", "--sync", std::to_string(window)}) == 0 ? window : 0;
}

bool XSession::WaitForFocus(Window window, std::chrono::milliseconds timeout) {
  return PollUntil(timeout, [&] {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return focus == window;
  });
}

std::vector<Window> XSession::WindowsTitled(const std::string& title) {
  std::vector<Window> found;
  std::vector<Window> pending{DefaultRootWindow(display_)};
  while (!pending.empty()) {
    const Window window = pending.back();
    pending.pop_back();
    char* name = nullptr;
    if (XFetchName(display_, window, &name) != 0 && name != nullptr) {
      if (title == name) found.push_back(window);
      XFree(name);
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, window, &root, &parent, &children, &count) == 0) continue;
    pending.insert(pending.end(), children, children + count);
    if (children != nullptr) XFree(children);
  }
  return found;
}

WindowGeometry XSession::Geometry(Window window) {
  WindowGeometry geometry;
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display_, window, &attributes) == 0) return geometry;
  Window child = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &geometry.x, &geometry.y, &child);
  geometry.width = attributes.width;
  geometry.height = attributes.height;
  return geometry;
}

RgbImage XSession::Capture(int x, int y, int width, int height) {
  RgbImage image;
  XImage* ximage = XGetImage(display_, DefaultRootWindow(display_), x, y, static_cast<unsigned>(width),
                             static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (ximage == nullptr) return image;
  image.width = width;
  image.height = height;
  image.pixels.reserve(static_cast<std::size_t>(width) * height * 3);
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const unsigned long pixel = XGetPixel(ximage, column, row);
      image.pixels.push_back(static_cast<std::uint8_t>((pixel & ximage->red_mask) >> 16));
      image.pixels.push_back(static_cast<std::uint8_t>((pixel & ximage->green_mask) >> 8));
      image.pixels.push_back(static_cast<std::uint8_t>(pixel & ximage->blue_mask));
    }
  }
  XDestroyImage(ximage);
  return image;
}

RgbImage XSession::CaptureWindow(Window window) {
  const WindowGeometry g = Geometry(window);
  return Capture(g.x, g.y, g.width, g.height);
}

int XDoTool(const std::vector<std::string>& arguments) {
  std::vector<std::string> command{"xdotool"};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return RunCommand(command);
}

}  // namespace blazemere::testing
