// Picture window: see x11_picture_window.h.
#include "host/x11/x11_picture_window.h"

#include <X11/Xutil.h>
#include <bit>
#include <cstdlib>

#include "platform/x11/x11_titled_window.h"

namespace blazemere::host {

namespace {

// One 8-bit channel placed under a TrueColor mask.
unsigned long Channel(std::uint8_t value, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask);
  const unsigned long scaled = bits >= 8 ? (static_cast<unsigned long>(value) << (bits - 8))
                                         : (static_cast<unsigned long>(value) >> (8 - bits));
  return (scaled << shift) & mask;
}

XImage* CreateImage(Display* display, int width, int height, const std::vector<std::uint8_t>& rgb) {
  const int screen = DefaultScreen(display);
  Visual* visual = DefaultVisual(display, screen);
  if (visual->c_class != TrueColor || rgb.size() < static_cast<std::size_t>(width) * height * 3) return nullptr;
  auto* data = static_cast<char*>(std::malloc(static_cast<std::size_t>(width) * height * 4));
  if (data == nullptr) return nullptr;
  XImage* image = XCreateImage(display, visual, static_cast<unsigned>(DefaultDepth(display, screen)), ZPixmap, 0,
                               data, static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
  if (image == nullptr) {
    std::free(data);
    return nullptr;
  }
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
      XPutPixel(image, x, y,
                Channel(p[0], visual->red_mask) | Channel(p[1], visual->green_mask) |
                    Channel(p[2], visual->blue_mask));
    }
  }
  return image;
}

}  // namespace

std::optional<WindowSize> SizeOfWindow(platform::X11Connection& connection, Window window) {
  if (window == 0) return std::nullopt;
  platform::X11ErrorTrap trap(connection.display());
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(connection.display(), window, &attributes) == 0 || trap.Failed()) return std::nullopt;
  return WindowSize{attributes.width, attributes.height};
}

X11PictureWindow::X11PictureWindow(platform::X11Connection& connection, Window parent, int width, int height,
                                   const std::string& title, const std::vector<std::uint8_t>& rgb)
    : connection_(connection), display_(connection.display()) {
  if (width <= 0 || height <= 0) return;
  image_ = CreateImage(display_, width, height, rgb);
  if (image_ == nullptr) return;
  XSetWindowAttributes attributes{};
  attributes.background_pixel = BlackPixel(display_, DefaultScreen(display_));
  attributes.event_mask = ExposureMask | StructureNotifyMask;
  platform::X11ErrorTrap trap(display_);
  const Window window = XCreateWindow(display_, parent, 0, 0, static_cast<unsigned>(width),
                                      static_cast<unsigned>(height), 0, CopyFromParent, InputOutput, CopyFromParent,
                                      CWBackPixel | CWEventMask, &attributes);
  if (trap.Failed()) return;  // the parent has vanished: there is no window to show
  window_ = window;
  platform::SetWindowTitle(connection_, window_, title);
  gc_ = XCreateGC(display_, window_, 0, nullptr);
  XMapWindow(display_, window_);
  XFlush(display_);
}

X11PictureWindow::~X11PictureWindow() {
  if (image_ != nullptr) XDestroyImage(image_);
  if (gc_ != nullptr) XFreeGC(display_, gc_);
  if (window_ != 0 && !destroyed_) XDestroyWindow(display_, window_);
}

void X11PictureWindow::Paint() {
  XPutImage(display_, window_, gc_, image_, 0, 0, 0, 0, static_cast<unsigned>(image_->width),
            static_cast<unsigned>(image_->height));
  XFlush(display_);
}

void X11PictureWindow::RunUntilDestroyed() {
  if (!ok()) return;
  while (!destroyed_) {
    XEvent event{};
    XNextEvent(display_, &event);
    if (event.xany.window != window_) continue;
    if (event.type == Expose && event.xexpose.count == 0) Paint();
    if (event.type == DestroyNotify && event.xdestroywindow.window == window_) destroyed_ = true;
  }
}

}  // namespace blazemere::host
