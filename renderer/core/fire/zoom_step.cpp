// The zoom cycle: see zoom_step.h.
#include "renderer/core/fire/zoom_step.h"

namespace blazemere::fire {

namespace {
constexpr float kZoomStep = 0.01f;
constexpr std::int32_t kMoveAwayFrames = 2000;
constexpr std::int32_t kCycleEnd = 4000;
}  // namespace

float AdvanceZoom(std::int32_t& zoomCounter) {
  ++zoomCounter;
  if (zoomCounter < kMoveAwayFrames) return -kZoomStep;
  if (zoomCounter > kCycleEnd) zoomCounter = 0;
  return kZoomStep;
}

}  // namespace blazemere::fire
