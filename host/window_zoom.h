// The caption zoom that the settings dialog plays when it opens and closes:
// outline rectangles on the root window from the zoom point to the window's
// rectangle, or back.
#pragma once

#include <X11/Xlib.h>

#include "host/host_context.h"

namespace blazemere::host {

void ZoomOpen(Display* display, Window window, const HostContext& context);
void ZoomClose(Display* display, Window window, const HostContext& context);

}  // namespace blazemere::host
