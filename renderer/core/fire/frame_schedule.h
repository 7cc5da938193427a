// When the next frame may start, for a display whose buffer swap does not
// wait for the vertical refresh: one frame per refresh period, on average,
// without bursts after a stall.
#pragma once

#include <cstdint>

namespace blazemere::fire {

// Refresh rates outside a plausible range (unknown, 0, garbage) count as 60 Hz.
[[nodiscard]] std::int64_t FramePeriodNanoseconds(int refreshRateHz);

class FrameSchedule {
 public:
  explicit FrameSchedule(std::int64_t periodNanoseconds) : period_(periodNanoseconds) {}

  // Given the time now (any monotonic clock, in ns), returns when the next
  // frame should start; a time not after `now` means at once. The first
  // frame starts at once; a frame late by more than one period restarts the
  // schedule from now instead of racing to catch up.
  std::int64_t NextFrameStart(std::int64_t now);

 private:
  std::int64_t period_;
  std::int64_t next_ = 0;
  bool started_ = false;
};

}  // namespace blazemere::fire
