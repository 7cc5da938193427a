// FLTK draws on the program's one X connection: a program that has one
// hands it over before FLTK opens a window; one that has none gets one here.
#pragma once

#include "platform/x11/x11_connection.h"

namespace blazemere::platform {

// FLTK uses `connection` from now on (once: a display FLTK has is kept).
void ShareConnectionWithFltk(X11Connection& connection);

// True when FLTK has a display to draw on, opening one of its own, kept
// for the rest of the process, where the program has handed it none.
[[nodiscard]] bool EnsureFltkDisplay();

}  // namespace blazemere::platform
