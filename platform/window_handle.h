// The neutral types the platform interfaces share, so that no interface
// carries a window system's own types: a window as a number (an X window id,
// a Windows HWND), and points and rectangles on the screen in pixels.
#pragma once

#include <cstdint>

namespace blazemere::platform {

using WindowHandle = std::uintptr_t;  // 0: no window

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const ScreenRect&) const = default;
};

}  // namespace blazemere::platform
