// Fire window focus on X11: see fire_window_focus.h.
#include "renderer/glut/fire_window_focus.h"

#include <GL/glx.h>

#include "platform/keyboard_focus/x11/x11_keyboard_focus.h"

void FocusFireWindow() {
  if (!blazemere::platform::TakeKeyboardFocus(glXGetCurrentDisplay(), glXGetCurrentDrawable())) {
    // Nothing else to try; the fire burns on.
  }
}
