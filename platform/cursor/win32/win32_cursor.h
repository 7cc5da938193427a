// ShowCursor on Windows: the system's own display counter.
// STUB: keeps the count without hiding anything yet (the host's Win32
// services come next).
#pragma once

#include "platform/cursor/cursor.h"
#include "platform/cursor/show_cursor_count.h"

namespace blazemere::platform {

class Win32Cursor final : public Cursor {
 public:
  int ShowCursor(bool show) override;

 private:
  ShowCursorCount count_;
};

}  // namespace blazemere::platform
