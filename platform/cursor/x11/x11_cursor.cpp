// Pointer hiding: see x11_cursor.h.
#include "platform/cursor/x11/x11_cursor.h"

#include <X11/extensions/Xfixes.h>

namespace blazemere::platform {

X11Cursor::X11Cursor(Display* display) : display_(display) {
  if (display_ == nullptr) return;
  int eventBase = 0;
  int errorBase = 0;
  int major = 4;  // hiding needs XFixes 4
  int minor = 0;
  hasXFixes_ = XFixesQueryExtension(display_, &eventBase, &errorBase) != 0 &&
               XFixesQueryVersion(display_, &major, &minor) != 0 && major >= 4;
}

int X11Cursor::ShowCursor(bool show) {
  const int count = count_.Apply(show);
  const bool hide = !count_.visible();
  if (display_ != nullptr && hasXFixes_ && hide != hiddenOnServer_) {
    const Window root = DefaultRootWindow(display_);
    if (hide) {
      XFixesHideCursor(display_, root);
    } else {
      XFixesShowCursor(display_, root);
    }
    XFlush(display_);
    hiddenOnServer_ = hide;
  }
  return count;
}

}  // namespace blazemere::platform
