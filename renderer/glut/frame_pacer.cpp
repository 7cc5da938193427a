// Frame pacing, the waiting and the check: see frame_pacer.h.
#include "renderer/glut/frame_pacer.h"

#include <chrono>
#include <thread>

namespace {

std::int64_t MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

void FramePacer::PaceBySwap(int refreshRateHz) {
  period_ = blazemere::fire::FramePeriodNanoseconds(refreshRateHz);
  swapCheck_.emplace(period_);
}

void FramePacer::PaceBySleep(int refreshRateHz) {
  period_ = blazemere::fire::FramePeriodNanoseconds(refreshRateHz);
  schedule_.emplace(period_);
}

void FramePacer::WaitForNextFrame() {
  if (swapCheck_) {
    using Verdict = blazemere::fire::SwapWaitCheck::Verdict;
    switch (swapCheck_->FrameStarted(MonotonicNanoseconds())) {
      case Verdict::kWatching:
        return;
      case Verdict::kSwapsWait:
        return;
      case Verdict::kSwapsDoNotWait:
        swapCheck_.reset();
        schedule_.emplace(period_);
        break;
    }
  }
  if (!schedule_) return;
  const std::int64_t due = schedule_->NextFrameStart(MonotonicNanoseconds());
  std::this_thread::sleep_until(std::chrono::steady_clock::time_point(std::chrono::nanoseconds(due)));
}
