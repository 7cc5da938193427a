// Swap wait check: see swap_wait_check.h.
#include "renderer/core/fire/swap_wait_check.h"

namespace blazemere::fire {

namespace {

// The first frames are left out: the window goes full screen and the first
// textures are made while they draw. The sample is long enough that one
// stalled frame cannot pass a spinning loop for a waiting one.
constexpr int kSkippedFrames = 10;
constexpr int kMeasuredFrames = 30;

}  // namespace

SwapWaitCheck::Verdict SwapWaitCheck::FrameStarted(std::int64_t now) {
  if (verdict_ == Verdict::kSwapsDoNotWait) return verdict_;
  ++frames_;
  if (frames_ == kSkippedFrames) runStart_ = now;
  if (frames_ < kSkippedFrames + kMeasuredFrames) return verdict_;
  // Waiting swaps give one frame per period; allow a display twice as fast
  // as the rate it reports before calling the swaps free-running.
  const std::int64_t elapsed = now - runStart_;
  verdict_ = elapsed * 2 < period_ * kMeasuredFrames ? Verdict::kSwapsDoNotWait : Verdict::kSwapsWait;
  frames_ = kSkippedFrames;  // the next run starts here
  runStart_ = now;
  return verdict_;
}

}  // namespace blazemere::fire
