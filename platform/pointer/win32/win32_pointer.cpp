// The pointer on Windows: see win32_pointer.h.
#include "platform/pointer/win32/win32_pointer.h"

#include <windows.h>

namespace blazemere::platform {

std::optional<ScreenPoint> GetCursorPos() {
  POINT point{};
  if (!::GetCursorPos(&point)) return std::nullopt;
  return ScreenPoint{point.x, point.y};
}

WindowHandle WindowFromPoint(ScreenPoint point) {
  return reinterpret_cast<WindowHandle>(::WindowFromPoint(POINT{point.x, point.y}));
}

}  // namespace blazemere::platform
