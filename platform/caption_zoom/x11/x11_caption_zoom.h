// The caption zoom on X11: the outline is made of four thin override-redirect
// windows; what they uncover is repainted by the X server (the desktop) or by
// the window's owner. The caller's own windows cannot answer exposures while
// the zoom blocks, so the caller repaints them itself at every step.
#pragma once

#include "platform/caption_zoom/caption_zoom.h"
#include "platform/x11/x11_connection.h"

namespace blazemere::platform {

class X11CaptionZoom final : public CaptionZoom {
 public:
  explicit X11CaptionZoom(X11Connection& connection) : connection_(connection) {}

  [[nodiscard]] std::optional<ScreenRect> WindowRect(WindowHandle window) override;
  // About 250 ms. The repaint runs with the server grabbed, so no other
  // client (nor a screenshot) sees a piece of outline on the caller's windows.
  void DrawAnimatedRects(const ScreenRect& from, const ScreenRect& to, const ZoomRepaint& repaint) override;

 private:
  X11Connection& connection_;
};

}  // namespace blazemere::platform
