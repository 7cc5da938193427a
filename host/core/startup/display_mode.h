// XScreenSaver's display mode ("--xscreensaver"): a saver run as "/s" runs
// it (the colour ramp, the settings, the music), with the renderer drawing
// onto the window XScreenSaver gives it ($XSCREENSAVER_WINDOW, one per
// monitor) instead of opening its own. A settings panel's preview appends
// "--window-id ID": the fire then burns silently in that window.
// XScreenSaver shows the screen, takes the input and does the locking, so
// this mode neither hides the pointer nor looks for a running host.
#pragma once

#include "host/core/startup/host_context.h"
#include "host/core/startup/host_shell.h"

namespace blazemere::host {

// For a context whose mode is kDisplayMode. Returns the process status: 0
// at the end of the run, 1 without the renderer, 2 for an unusable preview
// window id (both told through the shell's problem log, as no window of
// ours could be seen behind XScreenSaver's).
[[nodiscard]] int RunDisplayMode(HostContext& context, HostShell& shell);

}  // namespace blazemere::host
