// Keeps the fire at one frame per display refresh. Where the GLX driver
// offers a swap interval, the buffer swap waits for the refresh; elsewhere
// (Xvfb, for one) the idle callback sleeps until the next frame is due.
// Without either, the loop would spin at thousands of frames a second, the
// fire and the zoom would race and a core would burn at full load.
#pragma once

#include <optional>

#include "renderer/core/fire/frame_schedule.h"

class FramePacer {
 public:
  // Once, with the fire window's GL context current.
  void Start();
  // Once, for a drawable whose buffers are never swapped (a pixmap): the
  // sleep alone paces, at the display's refresh rate.
  void StartWithoutSwaps();
  // From the idle callback: returns when the next frame may be drawn.
  void WaitForNextFrame();

 private:
  std::optional<blazemere::fire::FrameSchedule> schedule_;  // empty: the swap paces
};
