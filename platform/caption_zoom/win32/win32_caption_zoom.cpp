// The caption zoom on Windows: see win32_caption_zoom.h.
// STUB: no rectangle, no animation.
#include "platform/caption_zoom/win32/win32_caption_zoom.h"

namespace blazemere::platform {

std::optional<ScreenRect> Win32CaptionZoom::WindowRect(WindowHandle /*window*/) { return std::nullopt; }

void Win32CaptionZoom::DrawAnimatedRects(const ScreenRect& /*from*/, const ScreenRect& /*to*/,
                                         const ZoomRepaint& /*repaint*/) {}

}  // namespace blazemere::platform
