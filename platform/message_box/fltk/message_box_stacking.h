// Puts a freshly shown box above every other window, the full-screen renderer
// included, and gives it the keyboard: without a window manager nobody else
// would, and a box hidden behind the fire would leave the user stuck.
#pragma once

#include <X11/Xlib.h>

namespace blazemere::platform {

// The window that has the keyboard focus now (the box's owner), or None.
[[nodiscard]] Window FocusedWindow(Display* display);

// Marks `box` as belonging to `owner` and asks a window manager, if any, to
// keep it above others. Call before the box is mapped or right after.
void AttachToOwner(Display* display, Window box, Window owner);

// Waits (briefly, pumping the toolkit) until `box` is viewable, then raises
// it and moves the keyboard focus to it.
void RaiseAndFocus(Display* display, Window box);

// Gives the focus back to `previous` if that window still exists.
void RestoreFocus(Display* display, Window previous);

}  // namespace blazemere::platform
