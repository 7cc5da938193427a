// Caption zoom of the settings dialog: see window_zoom.h.
#include "host/x11/window_zoom.h"

namespace blazemere::host {

namespace {
platform::ScreenRect ZoomPoint(const HostContext& context) {
  return {context.zoomPointX, context.zoomPointY, context.zoomPointX, context.zoomPointY};
}
}  // namespace

void ZoomOpen(Display* display, const platform::ScreenRect& windowRect, const HostContext& context) {
  platform::DrawCaptionZoom(display, ZoomPoint(context), windowRect);
}

void ZoomClose(Display* display, Window window, const HostContext& context, const platform::ZoomRepaint& repaint) {
  platform::DrawCaptionZoom(display, platform::WindowScreenRect(display, window), ZoomPoint(context), repaint);
}

}  // namespace blazemere::host
