// The dialog's built-in pictures as Win32 objects: the link's pointing hand
// as a cursor and the flame as the window icon, each owned and freed here.
#pragma once

#include <windows.h>

namespace blazemere::dialog {

class HandCursor {
 public:
  HandCursor();
  ~HandCursor();
  HandCursor(const HandCursor&) = delete;
  HandCursor& operator=(const HandCursor&) = delete;

  // The hand, or the system's arrow when it could not be made.
  [[nodiscard]] HCURSOR handle() const;

 private:
  HCURSOR cursor_ = nullptr;
};

class WindowIcon {
 public:
  WindowIcon();
  ~WindowIcon();
  WindowIcon(const WindowIcon&) = delete;
  WindowIcon& operator=(const WindowIcon&) = delete;

  // Nothing when it could not be made: the window keeps the default icon.
  [[nodiscard]] HICON handle() const { return icon_; }

 private:
  HICON icon_ = nullptr;
};

}  // namespace blazemere::dialog
