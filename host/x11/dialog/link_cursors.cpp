// The link label's pointers: see link_cursors.h.
#include "host/x11/dialog/link_cursors.h"

#include <X11/cursorfont.h>

#include "host/resources/dialog/dialog_art.h"

namespace blazemere::dialog {
namespace {

Cursor MakeBitmapCursor(Display* display, const resources::CursorBitmap& bitmap) {
  const Window root = DefaultRootWindow(display);
  const auto width = static_cast<unsigned>(bitmap.width);
  const auto height = static_cast<unsigned>(bitmap.height);
  Pixmap shape = XCreateBitmapFromData(display, root, reinterpret_cast<const char*>(bitmap.shape), width, height);
  Pixmap mask = XCreateBitmapFromData(display, root, reinterpret_cast<const char*>(bitmap.mask), width, height);
  Cursor cursor = 0;
  if (shape != 0 && mask != 0) {
    XColor black{};
    XColor white{};
    white.red = white.green = white.blue = 0xFFFF;
    black.flags = white.flags = DoRed | DoGreen | DoBlue;
    cursor = XCreatePixmapCursor(display, shape, mask, &black, &white, static_cast<unsigned>(bitmap.hotX),
                                 static_cast<unsigned>(bitmap.hotY));
  }
  if (shape != 0) XFreePixmap(display, shape);
  if (mask != 0) XFreePixmap(display, mask);
  return cursor;
}

}  // namespace

LinkCursors::LinkCursors(Display* display) : display_(display) {
  if (display_ == nullptr) return;
  hand_ = MakeBitmapCursor(display_, resources::HandCursor());
  watch_ = XCreateFontCursor(display_, XC_watch);
}

LinkCursors::~LinkCursors() {
  if (display_ == nullptr) return;
  if (hand_ != 0) XFreeCursor(display_, hand_);
  if (watch_ != 0) XFreeCursor(display_, watch_);
}

}  // namespace blazemere::dialog
