// ShowCursor on Windows: the system's own display counter, which hides the
// pointer while it is below 0.
#pragma once

#include "platform/cursor/cursor.h"

namespace blazemere::platform {

class Win32Cursor final : public Cursor {
 public:
  int ShowCursor(bool show) override;
};

}  // namespace blazemere::platform
