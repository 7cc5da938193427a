// Frame pacing, the waiting: see frame_pacer.h.
#include "renderer/glut/frame_pacer.h"

#include <chrono>
#include <thread>

namespace {

std::int64_t MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

void FramePacer::WaitForNextFrame() {
  if (!schedule_) return;
  const std::int64_t due = schedule_->NextFrameStart(MonotonicNanoseconds());
  std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::nanoseconds(due)));
}
