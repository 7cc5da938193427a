// DrawAnimatedRects and GetWindowRect on Windows.
// STUB: knows no window and draws nothing yet (the host's Win32 services
// come next).
#pragma once

#include "platform/caption_zoom/caption_zoom.h"

namespace blazemere::platform {

class Win32CaptionZoom final : public CaptionZoom {
 public:
  [[nodiscard]] std::optional<ScreenRect> WindowRect(WindowHandle window) override;
  void DrawAnimatedRects(const ScreenRect& from, const ScreenRect& to, const ZoomRepaint& repaint) override;
};

}  // namespace blazemere::platform
