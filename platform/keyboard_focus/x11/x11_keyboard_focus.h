// Taking the keyboard focus for a window that has just appeared. A program
// started while another one holds the keyboard (set by the user, or kept
// there by a window manager's focus-stealing prevention) does not get it by
// being mapped, and a full-screen window that only Escape ends would then
// leave the user stuck.
#pragma once

#include <X11/Xlib.h>

namespace blazemere::platform {

// Asks the window manager, where one is running and supports it, to
// activate `window`, and moves the X input focus to it. `window` must be
// viewable. False when the server refused (the window is gone or not shown).
[[nodiscard]] bool TakeKeyboardFocus(Display* display, Window window);

}  // namespace blazemere::platform
