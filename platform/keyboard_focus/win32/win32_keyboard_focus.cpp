// Keyboard focus on Windows: see win32_keyboard_focus.h.
#include "platform/keyboard_focus/win32/win32_keyboard_focus.h"

namespace blazemere::platform {

bool TakeKeyboardFocus(HWND window) {
  if (window == nullptr || !IsWindow(window)) return false;
  // A window shown active may count as focused before the display's own
  // keyboard focus reached it: Wine hands that over when the focus changes,
  // and a window made active before it was on the screen never gets it.
  // Letting the focus go and taking it again hands it over for real.
  if (GetFocus() == window) SetFocus(nullptr);
  SetForegroundWindow(window);
  SetFocus(window);
  return GetForegroundWindow() == window && GetFocus() == window;
}

}  // namespace blazemere::platform
