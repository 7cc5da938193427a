// DrawAnimatedRects(IDANI_CAPTION) and GetWindowRect on Windows. The system
// draws the outline itself and cleans up after it, so the caller's repaint
// is never needed here.
#pragma once

#include "platform/caption_zoom/caption_zoom.h"

namespace blazemere::platform {

class Win32CaptionZoom final : public CaptionZoom {
 public:
  [[nodiscard]] std::optional<ScreenRect> WindowRect(WindowHandle window) override;
  void DrawAnimatedRects(const ScreenRect& from, const ScreenRect& to, const ZoomRepaint& repaint) override;
};

}  // namespace blazemere::platform
