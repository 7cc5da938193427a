// GetCursorPos and WindowFromPoint on Windows: where the pointer is on the
// screen, and the window that shows at a screen point.
#pragma once

#include <optional>

#include "platform/window_handle.h"

namespace blazemere::platform {

// The pointer's position on the screen; nothing when it cannot be had.
[[nodiscard]] std::optional<ScreenPoint> GetCursorPos();

// The window at the screen point; 0 for none.
[[nodiscard]] WindowHandle WindowFromPoint(ScreenPoint point);

}  // namespace blazemere::platform
