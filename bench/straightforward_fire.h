// The fire's step and texture conversion written straight from their
// description, one cell at a time: the yardstick the kernels are measured
// against. Kept apart from the renderer so that nobody speeds it up.
#pragma once

#include <cstdint>

struct StraightforwardFire {
  float heat[128][128] = {};
  std::uint8_t texture[128 * 128 * 3] = {};
  const std::uint8_t* palette = nullptr;  // pixel bytes, at least 256 pixels
  std::uint32_t randomState = 1;

  int Rand();
  void Step();  // new bottom row, spread, then UpdateTexture
  void UpdateTexture();
};
