// The caption zoom that the settings dialog plays when it opens and closes:
// outline rectangles from the zoom point to the window's rectangle, or back.
#pragma once

#include "host/core/startup/host_context.h"
#include "platform/caption_zoom/caption_zoom.h"

namespace blazemere::host {

// From the zoom point to `windowRect`, where the window is about to appear:
// it runs before the window is shown, so it crosses nothing of ours.
void ZoomOpen(platform::CaptionZoom& zoom, const platform::ScreenRect& windowRect, const HostContext& context);

// From the shown window's rectangle (all zero when it cannot be had) back to
// the zoom point; `repaint` paints the window again wherever the outline has
// crossed it.
void ZoomClose(platform::CaptionZoom& zoom, platform::WindowHandle window, const HostContext& context,
               const platform::ZoomRepaint& repaint);

}  // namespace blazemere::host
