// The saver window's life on X11: the hidden window "Blazemere_Main" (none
// in XScreenSaver's display mode), one loop that waits on the X connection,
// the shutdown signals and the next due timer, and the unload, whatever ends
// the run: the renderer going away, SIGTERM (XScreenSaver's way to end its
// display mode), SIGINT, SIGHUP, the window being destroyed or the X server
// going away.
#pragma once

#include "host/core/saver/saver_window.h"
#include "platform/cursor/x11/x11_cursor.h"
#include "platform/x11/x11_connection.h"

namespace blazemere::host {

// Returns once the window has unloaded. When the X server goes away the
// unload runs and the process ends at once.
void RunSaverLoop(platform::X11Connection& connection, platform::X11Cursor& cursor, SaverWindow& window);

}  // namespace blazemere::host
