// The slow drift of the fire square away from and back towards the viewer.
#pragma once

#include <cstdint>

namespace blazemere::fire {

// Advances the frame counter of the zoom cycle and returns how far to move
// the square along z this frame: frames 1 to 1999 of a cycle move it away
// (-0.01), frames 2000 to 4001 bring it nearer (+0.01), and after frame 4001
// the counter starts again from 0. The moves accumulate and are never undone,
// so every cycle ends 0.03 nearer than it began.
[[nodiscard]] float AdvanceZoom(std::int32_t& zoomCounter);

}  // namespace blazemere::fire
