// Keeps the fire at one frame per display refresh. Where the driver offers
// a swap interval (GLX or WGL), the buffer swap waits for the refresh;
// elsewhere (Xvfb, for one) the idle callback sleeps until the next frame is
// due. A granted interval is checked while the fire burns, since some
// drivers grant it and do not wait (Wine without swap control, vertical sync
// forced off); then the sleeping takes over. Start is the window system's
// (x11/, win32/), the rest is shared.
// Without pacing, the loop would spin at hundreds of frames a second, the
// fire and the zoom would race and a core would burn at full load.
#pragma once

#include <cstdint>
#include <optional>

#include "renderer/core/fire/frame_schedule.h"
#include "renderer/core/fire/swap_wait_check.h"

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
  // What Start found: the swap waits (the driver says so), or the idle
  // callback must; either way the display's refresh rate (0: unknown).
  void PaceBySwap(int refreshRateHz);
  void PaceBySleep(int refreshRateHz);

  std::int64_t period_ = 0;
  std::optional<blazemere::fire::SwapWaitCheck> swapCheck_;  // while the swap paces
  std::optional<blazemere::fire::FrameSchedule> schedule_;   // while the sleep paces
};
