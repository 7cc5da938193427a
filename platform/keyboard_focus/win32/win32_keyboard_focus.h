// Taking the keyboard focus for a window that has just appeared. Windows
// lets a program started by the foreground program come to the front; one
// started otherwise may be refused, and a full-screen window that only
// Escape ends would then leave the user stuck behind another one's keys.
#pragma once

#include <windows.h>

namespace blazemere::platform {

// Brings `window` to the foreground and gives it the keyboard. False when
// the system refused (the window is gone, or another program keeps the
// foreground).
[[nodiscard]] bool TakeKeyboardFocus(HWND window);

}  // namespace blazemere::platform
