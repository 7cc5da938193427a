// Caption zoom of the settings dialog: see window_zoom.h.
#include "host/core/startup/window_zoom.h"

namespace blazemere::host {

namespace {
platform::ScreenRect ZoomPoint(const HostContext& context) {
  return {context.zoomPointX, context.zoomPointY, context.zoomPointX, context.zoomPointY};
}
}  // namespace

void ZoomOpen(platform::CaptionZoom& zoom, const platform::ScreenRect& windowRect, const HostContext& context) {
  zoom.DrawAnimatedRects(ZoomPoint(context), windowRect, {});
}

void ZoomClose(platform::CaptionZoom& zoom, platform::WindowHandle window, const HostContext& context,
               const platform::ZoomRepaint& repaint) {
  zoom.DrawAnimatedRects(zoom.WindowRect(window).value_or(platform::ScreenRect{}), ZoomPoint(context), repaint);
}

}  // namespace blazemere::host
