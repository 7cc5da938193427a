// What the preview window shows, as one picture of the window's size: the
// grid panel from the top-left corner on black, and over it the fire still
// stretched to the whole window (pixel for pixel at its own 152 x 112).
#pragma once

#include "common/rgb_image.h"

namespace blazemere::host {

[[nodiscard]] RgbImage ComposePreview(const RgbImage& still, const RgbImage& grid, int width, int height);

}  // namespace blazemere::host
