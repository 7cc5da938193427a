// Caption zoom steps: see caption_zoom.h.
#include "platform/caption_zoom/caption_zoom.h"

namespace blazemere::platform {

namespace {
int Between(int from, int to, int step, int steps) {
  return from + static_cast<int>((static_cast<long long>(to) - from) * step / steps);
}
}  // namespace

std::vector<ScreenRect> CaptionZoomFrames(const ScreenRect& from, const ScreenRect& to, int steps) {
  std::vector<ScreenRect> frames;
  for (int step = 1; step <= steps; ++step) {
    frames.push_back({Between(from.left, to.left, step, steps), Between(from.top, to.top, step, steps),
                      Between(from.right, to.right, step, steps), Between(from.bottom, to.bottom, step, steps)});
  }
  return frames;
}

}  // namespace blazemere::platform
