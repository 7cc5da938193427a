// Keyboard focus on Windows: see win32_keyboard_focus.h.
#include "platform/keyboard_focus/win32/win32_keyboard_focus.h"

namespace blazemere::platform {

bool TakeKeyboardFocus(HWND window) {
  if (window == nullptr || !IsWindow(window)) return false;
  SetForegroundWindow(window);
  SetFocus(window);
  return GetForegroundWindow() == window && GetFocus() == window;
}

}  // namespace blazemere::platform
