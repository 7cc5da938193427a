// The rectangles of a caption zoom: evenly spaced steps from one rectangle
// to another. Pure; drawn by x11_caption_zoom.h.
#pragma once

#include <vector>

namespace blazemere::platform {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// `steps` rectangles; the last one is `to`, the first one step away from `from`.
std::vector<ScreenRect> CaptionZoomFrames(const ScreenRect& from, const ScreenRect& to, int steps);

}  // namespace blazemere::platform
