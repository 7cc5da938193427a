// DrawAnimatedRects(IDANI_CAPTION): an outline rectangle that grows from one
// rectangle to another over about a quarter of a second, and the steps it
// goes through (pure, the same for every backend).
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/window_handle.h"

namespace blazemere::platform {

// Repaints the caller's windows in full. A backend whose drawing can cross
// the caller's windows runs it after every step, so no piece of outline is
// ever seen left on them.
using ZoomRepaint = std::function<void()>;

class CaptionZoom {
 public:
  virtual ~CaptionZoom() = default;

  // GetWindowRect: the outer rectangle of `window` on the screen; nothing
  // when it names no window.
  [[nodiscard]] virtual std::optional<ScreenRect> WindowRect(WindowHandle window) = 0;

  // Blocks for the animation.
  virtual void DrawAnimatedRects(const ScreenRect& from, const ScreenRect& to, const ZoomRepaint& repaint) = 0;
};

// `steps` rectangles; the last one is `to`, the first one step away from `from`.
[[nodiscard]] std::vector<ScreenRect> CaptionZoomFrames(const ScreenRect& from, const ScreenRect& to, int steps);

}  // namespace blazemere::platform
