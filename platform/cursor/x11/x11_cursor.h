// ShowCursor on X11: the mouse pointer hidden or shown over the whole screen
// with XFixes, following ShowCursor's counter. The hiding belongs to this
// connection: if the program dies, the X server shows the pointer again; if
// it ends while the pointer is hidden, the destructor shows it again.
#pragma once

#include "platform/cursor/cursor.h"
#include "platform/cursor/show_cursor_count.h"
#include "platform/x11/x11_connection.h"

namespace blazemere::platform {

class X11Cursor final : public Cursor {
 public:
  // Queries XFixes once; without it, or without a connection, the counter
  // still counts and nothing is hidden.
  explicit X11Cursor(X11Connection* connection);
  ~X11Cursor() override;
  X11Cursor(const X11Cursor&) = delete;
  X11Cursor& operator=(const X11Cursor&) = delete;

  int ShowCursor(bool show) override;

  // After the X server has gone only the counter may be touched.
  void ForgetServer() { connection_ = nullptr; }

 private:
  void ShowOnServer(bool shown);

  X11Connection* connection_;
  bool hasXFixes_ = false;
  bool hiddenOnServer_ = false;
  ShowCursorCount count_;
};

}  // namespace blazemere::platform
