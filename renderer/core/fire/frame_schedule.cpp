// Frame schedule: see frame_schedule.h.
#include "renderer/core/fire/frame_schedule.h"

namespace blazemere::fire {

std::int64_t FramePeriodNanoseconds(int refreshRateHz) {
  constexpr int kFallbackHz = 60;
  const int hz = (refreshRateHz >= 20 && refreshRateHz <= 1000) ? refreshRateHz : kFallbackHz;
  return 1'000'000'000 / hz;
}

std::int64_t FrameSchedule::NextFrameStart(std::int64_t now) {
  if (!started_) {
    started_ = true;
    next_ = now;
    return next_;
  }
  next_ += period_;
  if (next_ < now - period_) next_ = now;
  return next_;
}

}  // namespace blazemere::fire
