// Pointer hiding: see x11_cursor.h.
#include "platform/cursor/x11/x11_cursor.h"

#include <X11/extensions/Xfixes.h>

namespace blazemere::platform {

X11Cursor::X11Cursor(X11Connection* connection) : connection_(connection) {
  if (connection_ == nullptr) return;
  int eventBase = 0;
  int errorBase = 0;
  int major = 4;  // hiding needs XFixes 4
  int minor = 0;
  Display* display = connection_->display();
  hasXFixes_ = XFixesQueryExtension(display, &eventBase, &errorBase) != 0 &&
               XFixesQueryVersion(display, &major, &minor) != 0 && major >= 4;
}

X11Cursor::~X11Cursor() {
  if (hiddenOnServer_) ShowOnServer(true);
}

int X11Cursor::ShowCursor(bool show) {
  const int count = count_.Apply(show);
  const bool hide = !count_.visible();
  if (hide != hiddenOnServer_) ShowOnServer(!hide);
  return count;
}

void X11Cursor::ShowOnServer(bool shown) {
  if (connection_ == nullptr || !hasXFixes_) return;
  Display* display = connection_->display();
  const Window root = DefaultRootWindow(display);
  if (shown) {
    XFixesShowCursor(display, root);
  } else {
    XFixesHideCursor(display, root);
  }
  XFlush(display);
  hiddenOnServer_ = !shown;
}

}  // namespace blazemere::platform
