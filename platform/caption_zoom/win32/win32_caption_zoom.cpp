// The caption zoom on Windows: see win32_caption_zoom.h.
#include "platform/caption_zoom/win32/win32_caption_zoom.h"

#include <windows.h>

namespace blazemere::platform {

namespace {

RECT ToRect(const ScreenRect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

std::optional<ScreenRect> Win32CaptionZoom::WindowRect(WindowHandle window) {
  RECT rect{};
  if (window == 0 || !GetWindowRect(reinterpret_cast<HWND>(window), &rect)) return std::nullopt;
  return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

void Win32CaptionZoom::DrawAnimatedRects(const ScreenRect& from, const ScreenRect& to,
                                         const ZoomRepaint& /*repaint*/) {
  const RECT start = ToRect(from);
  const RECT end = ToRect(to);
  if (!::DrawAnimatedRects(nullptr, IDANI_CAPTION, &start, &end)) {
    // Only an ornament: the window opens or closes all the same.
  }
}

}  // namespace blazemere::platform
