// Caption zoom of the settings dialog: see window_zoom.h.
#include "host/window_zoom.h"

#include "platform/x11/x11_caption_zoom.h"

namespace blazemere::host {

namespace {
platform::ScreenRect ZoomPoint(const HostContext& context) {
  return {context.zoomPointX, context.zoomPointY, context.zoomPointX, context.zoomPointY};
}
}  // namespace

void ZoomOpen(Display* display, Window window, const HostContext& context) {
  platform::DrawCaptionZoom(display, ZoomPoint(context), platform::WindowScreenRect(display, window));
}

void ZoomClose(Display* display, Window window, const HostContext& context) {
  platform::DrawCaptionZoom(display, platform::WindowScreenRect(display, window), ZoomPoint(context));
}

}  // namespace blazemere::host
