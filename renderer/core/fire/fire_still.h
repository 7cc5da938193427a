// The fire as a still picture, without GL: what the texture shows after a
// number of frames, upright as on screen (heat row 127 on top). For the
// fire-frames tool and for the preview's built-in still.
#pragma once

#include <cstdint>

#include "common/rgb_image.h"
#include "renderer/core/fire/fire_palette.h"

namespace blazemere::fire {

// The palette of the built-in ramp the host writes, read from its file bytes
// the way the renderer reads the file.
[[nodiscard]] FirePalette BuiltInRampPalette();

// The 128 x 128 texture after `frames` frames from a cold field.
[[nodiscard]] RgbImage FireStill(std::int64_t frames, const FirePalette& palette);

}  // namespace blazemere::fire
