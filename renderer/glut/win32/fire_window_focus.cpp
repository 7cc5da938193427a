// Fire window focus on Windows: see fire_window_focus.h. The window is the
// one the current WGL context draws to.
#include "renderer/glut/fire_window_focus.h"

#include <windows.h>

#include "platform/keyboard_focus/win32/win32_keyboard_focus.h"

void FocusFireWindow() {
  if (!blazemere::platform::TakeKeyboardFocus(WindowFromDC(wglGetCurrentDC()))) {
    // Nothing else to try; the fire burns on.
  }
}
