// The frame a window manager puts around the settings dialog: title bar with
// a close box, no minimise or maximise box, no resizing border.
#pragma once

#include <X11/Xlib.h>

#include "platform/x11/x11_connection.h"

namespace blazemere::dialog {

// Sets _MOTIF_WM_HINTS on a top-level window; managers that do not read the
// property simply ignore it.
void AskForFixedDialogFrame(platform::X11Connection& connection, Window window);

}  // namespace blazemere::dialog
