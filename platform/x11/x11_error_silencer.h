// While one of these lives, X errors on any connection are dropped instead
// of reaching Xlib's default handler, which would end the process (or
// FLTK's, which only prints them). For requests whose failure is expected:
// a window destroyed by its owner meanwhile, a focus change the server
// refuses because the window is not viewable yet.
#pragma once

#include <X11/Xlib.h>

namespace blazemere::platform {

class ScopedErrorSilencer {
 public:
  // Errors of requests sent before this point still reach the old handler.
  explicit ScopedErrorSilencer(Display* display) : display_(display) {
    XSync(display_, False);
    previous_ = XSetErrorHandler(IgnoreError);
  }
  // Waits for the answers to everything sent meanwhile, so their errors are
  // dropped too, then puts the old handler back.
  ~ScopedErrorSilencer() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  ScopedErrorSilencer(const ScopedErrorSilencer&) = delete;
  ScopedErrorSilencer& operator=(const ScopedErrorSilencer&) = delete;

 private:
  static int IgnoreError(Display*, XErrorEvent*) { return 0; }

  Display* display_;
  XErrorHandler previous_ = nullptr;
};

}  // namespace blazemere::platform
