// DrawAnimatedRects(IDANI_CAPTION) on X11: an outline rectangle that grows
// from one rectangle to another over about a quarter of a second. The
// outline is made of four thin override-redirect windows, so when they go
// the X server repaints what was beneath and nothing stays on screen.
#pragma once

#include <X11/Xlib.h>

#include "platform/x11/caption_zoom_frames.h"

namespace blazemere::platform {

// Blocks for the animation (about 250 ms); does nothing without a display.
void DrawCaptionZoom(Display* display, const ScreenRect& from, const ScreenRect& to);

// The outer rectangle of `window` in root coordinates; all zero on failure.
ScreenRect WindowScreenRect(Display* display, Window window);

}  // namespace blazemere::platform
