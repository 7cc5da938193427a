// The caption zoom's steps: evenly spaced from one rectangle to the other,
// the last one exactly the target, whichever way the rectangles lie.
#include <gtest/gtest.h>

#include "platform/caption_zoom/caption_zoom.h"

namespace blazemere::platform {

void PrintTo(const ScreenRect& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

TEST(CaptionZoomFrames, EvenStepsEndingOnTheTarget) {
  const ScreenRect point{100, 80, 100, 80};
  const ScreenRect dialog{300, 200, 795, 446};
  const struct {
    const char* name;
    ScreenRect from, to;
    int steps;
    std::vector<ScreenRect> frames;
  } rows[] = {
      {"opening from the pointer", point, dialog, 4,
       {{150, 110, 273, 171}, {200, 140, 447, 263}, {250, 170, 621, 354}, dialog}},
      {"closing back to the pointer", dialog, point, 2, {{200, 140, 448, 263}, point}},
      {"upwards and leftwards: steps round towards the start", {7, 7, 7, 7}, {}, 2, {{4, 4, 4, 4}, {}}},
      {"one step", point, dialog, 1, {dialog}},
      {"no steps", point, dialog, 0, {}},
  };
  for (const auto& row : rows) EXPECT_EQ(CaptionZoomFrames(row.from, row.to, row.steps), row.frames) << row.name;
}

}  // namespace
}  // namespace blazemere::platform
