// DrawAnimatedRects(IDANI_CAPTION) on X11: an outline rectangle that grows
// from one rectangle to another over about a quarter of a second. The
// outline is made of four thin override-redirect windows: what they uncover
// is repainted by the X server (the desktop) or by the window's owner. The
// caller's own windows cannot answer exposures while the zoom blocks, so the
// caller repaints them itself at every step.
#pragma once

#include <X11/Xlib.h>

#include <functional>

#include "platform/caption_zoom/caption_zoom.h"

namespace blazemere::platform {

// Repaints the caller's windows in full. Runs after every step and once the
// outline has gone, with the server grabbed, so no other client (nor a
// screenshot) ever sees a piece of outline left on them.
using ZoomRepaint = std::function<void()>;

// Blocks for the animation (about 250 ms); does nothing without a display.
void DrawCaptionZoom(Display* display, const ScreenRect& from, const ScreenRect& to,
                     const ZoomRepaint& repaint = {});

// The outer rectangle of `window` in root coordinates; all zero on failure.
ScreenRect WindowScreenRect(Display* display, Window window);

}  // namespace blazemere::platform
