// The pointer on Windows: see win32_pointer.h.
// STUB: no position, no window.
#include "platform/pointer/win32/win32_pointer.h"

namespace blazemere::platform {

std::optional<ScreenPoint> GetCursorPos() { return std::nullopt; }

WindowHandle WindowFromPoint(ScreenPoint /*point*/) { return 0; }

}  // namespace blazemere::platform
