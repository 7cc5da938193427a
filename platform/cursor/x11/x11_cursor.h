// ShowCursor on X11: the mouse pointer hidden or shown over the whole screen
// with XFixes, following ShowCursor's counter. The hiding belongs to this
// connection: if the program dies, the X server shows the pointer again.
#pragma once

#include <X11/Xlib.h>

#include "platform/cursor/show_cursor_count.h"

namespace blazemere::platform {

class X11Cursor {
 public:
  // Queries XFixes once; without it (or without a display) the counter still
  // counts and nothing is hidden.
  explicit X11Cursor(Display* display);

  // ShowCursor(show): the new count.
  int ShowCursor(bool show);

  // After the X server has gone only the counter may be touched.
  void ForgetDisplay() { display_ = nullptr; }

 private:
  Display* display_;
  bool hasXFixes_ = false;
  bool hiddenOnServer_ = false;
  ShowCursorCount count_;
};

}  // namespace blazemere::platform
