// The program's icon, a flame on a transparent ground, drawn from one shape at
// any size: the 32 x 32 window icon of the settings dialog, the desktop's
// icon-theme sizes and a scalable drawing of the same flame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace blazemere::resources {

// R, G, B, A per pixel, top row first; `size` x `size` pixels.
struct FlameIconPixels {
  int size = 0;
  std::vector<std::uint8_t> rgba;
};

// The flame at `size` pixels (1 or more): white-yellow core, orange body, red
// rim, its edge smoothed over one pixel.
[[nodiscard]] FlameIconPixels DrawFlameIcon(int size);

// The same flame as an SVG document: a 32-unit square whose outline and heat
// follow the shape the pictures are drawn from.
[[nodiscard]] std::string FlameIconSvg();

}  // namespace blazemere::resources
