// Keeps the fire at one frame per display refresh. Where the driver offers
// a swap interval (GLX or WGL), the buffer swap waits for the refresh;
// elsewhere (Xvfb, for one) the idle callback sleeps until the next frame is
// due. Start is the window system's (x11/, win32/), the waiting is shared.
// Without either, the loop would spin at thousands of frames a second, the
// fire and the zoom would race and a core would burn at full load.
#pragma once

#include <optional>

#include "renderer/core/fire/frame_schedule.h"

class FramePacer {
 public:
  // Once, with the fire window's GL context current.
  void Start();
  // From the idle callback: returns when the next frame may be drawn.
  void WaitForNextFrame();

 private:
  std::optional<blazemere::fire::FrameSchedule> schedule_;  // empty: the swap paces
};
