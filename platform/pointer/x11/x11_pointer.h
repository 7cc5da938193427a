// GetCursorPos and WindowFromPoint on an X server: where the pointer is on
// the screen, and the deepest mapped window that shows at a screen point.
#pragma once

#include <X11/Xlib.h>
#include <optional>

#include "platform/window_handle.h"

namespace blazemere::platform {

// The pointer's position relative to the default screen's root window;
// nothing when the pointer is on another screen.
[[nodiscard]] std::optional<ScreenPoint> GetCursorPos(Display* display);

// The deepest mapped window containing the root-relative point, the root
// window itself where no other window is.
[[nodiscard]] Window WindowFromPoint(Display* display, ScreenPoint point);

}  // namespace blazemere::platform
