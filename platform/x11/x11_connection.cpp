// The X connection and its error policy: see x11_connection.h.
#include "platform/x11/x11_connection.h"

#include <cstdio>

namespace blazemere::platform {

// Xlib's error handler is one per process and gets no context; the policy
// keeps what it needs here: who installed it, what was there before, and
// the innermost open trap.
struct X11ErrorPolicy {
  static inline int users = 0;
  static inline XErrorHandler previous = nullptr;
  static inline X11ErrorTrap* innermost = nullptr;

  static void Install() {
    if (users++ == 0) previous = XSetErrorHandler(Handle);
  }

  static void Uninstall() {
    if (--users == 0) XSetErrorHandler(previous);
  }

  static int Handle(Display* display, XErrorEvent* error) {
    for (X11ErrorTrap* trap = innermost; trap != nullptr; trap = trap->outer_) {
      if (trap->display_ != display) continue;
      if (trap->errorCode_ == 0) {
        trap->errorCode_ = error->error_code;
        trap->requestCode_ = error->request_code;
      }
      return 0;
    }
    // A window destroyed by its owner while we looked at it: expected.
    if (error->error_code == BadWindow || error->error_code == BadDrawable) return 0;
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "X request %d.%d failed: %s\n", error->request_code, error->minor_code, text);
    return 0;
  }
};

namespace {

constexpr const char* kAtomNames[] = {
    "_NET_WM_NAME", "UTF8_STRING", "_NET_SUPPORTED", "_NET_ACTIVE_WINDOW",
    "_NET_WM_STATE", "_NET_WM_STATE_ABOVE", "_MOTIF_WM_HINTS",
};
static_assert(std::size(kAtomNames) == static_cast<std::size_t>(X11Atom::kCount));

}  // namespace

std::unique_ptr<X11Connection> X11Connection::Open(const char* name) {
  Display* display = XOpenDisplay(name);
  if (display == nullptr) return nullptr;
  return std::unique_ptr<X11Connection>(new X11Connection(display));
}

X11Connection::X11Connection(Display* display) : display_(display) {
  X11ErrorPolicy::Install();
  XInternAtoms(display_, const_cast<char**>(kAtomNames), static_cast<int>(std::size(kAtomNames)), False,
               atoms_.data());
}

X11Connection::~X11Connection() {
  XCloseDisplay(display_);
  X11ErrorPolicy::Uninstall();
}

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display), outer_(X11ErrorPolicy::innermost) {
  if (display_ != nullptr) XSync(display_, False);
  X11ErrorPolicy::Install();
  X11ErrorPolicy::innermost = this;
}

X11ErrorTrap::~X11ErrorTrap() {
  if (display_ != nullptr) XSync(display_, False);
  X11ErrorPolicy::innermost = outer_;
  X11ErrorPolicy::Uninstall();
}

bool X11ErrorTrap::Failed() {
  if (display_ != nullptr) XSync(display_, False);
  return errorCode_ != 0;
}

}  // namespace blazemere::platform
