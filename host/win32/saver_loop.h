// The saver window's run on Windows: the real hidden window "Blazemere_Main"
// (so that a second host finds it), a window timer for each of the core's
// timers while it is enabled, and the unload whatever ends the run: the
// renderer gone, the window closed or destroyed, the session ending.
#pragma once

#include "host/core/saver/saver_window.h"

namespace blazemere::host {

// Returns once the saver window has unloaded; at once, with nothing
// started, when the window cannot be made.
void RunSaverLoop(SaverWindow& window);

}  // namespace blazemere::host
