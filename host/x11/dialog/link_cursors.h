// The pointers of the link label: our own pointing hand while the pointer is
// over the link, and the hourglass while the address is being handed on.
// X cursors belong to the display; they are freed with the object.
#pragma once

#include <X11/Xlib.h>

namespace blazemere::dialog {

class LinkCursors {
 public:
  explicit LinkCursors(Display* display);
  ~LinkCursors();
  LinkCursors(const LinkCursors&) = delete;
  LinkCursors& operator=(const LinkCursors&) = delete;

  Cursor hand() const { return hand_; }    // 0 if it could not be made
  Cursor watch() const { return watch_; }  // 0 if it could not be made

 private:
  Display* display_;
  Cursor hand_ = 0;
  Cursor watch_ = 0;
};

}  // namespace blazemere::dialog
