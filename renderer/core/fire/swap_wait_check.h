// Whether buffer swaps that should wait for the vertical refresh really do.
// A driver may grant a swap interval of one and still return from every
// swap at once: Wine on a display without swap control does, and so does a
// driver whose user setting forces vertical sync off. The loop would then
// spin at hundreds of frames a second. Judged over each run of frames, for
// as long as the fire burns: a machine busy at start makes even free
// swaps look slow, and the spinning shows only once the load is gone.
#pragma once

#include <cstdint>

namespace blazemere::fire {

class SwapWaitCheck {
 public:
  enum class Verdict { kWatching, kSwapsWait, kSwapsDoNotWait };

  explicit SwapWaitCheck(std::int64_t periodNanoseconds) : period_(periodNanoseconds) {}

  // Given the start of each frame (any monotonic clock, in ns): kWatching
  // until the first run of frames is measured, then the last run's verdict.
  // kSwapsDoNotWait is final. Frames that render slower than the refresh
  // count as waiting: they cannot race.
  [[nodiscard]] Verdict FrameStarted(std::int64_t now);

 private:
  std::int64_t period_;
  int frames_ = 0;
  std::int64_t runStart_ = 0;
  Verdict verdict_ = Verdict::kWatching;
};

}  // namespace blazemere::fire
