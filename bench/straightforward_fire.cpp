// The yardstick: see straightforward_fire.h.
#include "bench/straightforward_fire.h"

int StraightforwardFire::Rand() {
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 0x7FFF);
}

void StraightforwardFire::Step() {
  for (int c = 0; c <= 127; c++) heat[0][c] = static_cast<float>(Rand() % 256);
  for (int r = 1; r <= 126; r++) {
    for (int c = 1; c <= 126; c++) {
      heat[r][c] = static_cast<float>((static_cast<double>(heat[r - 1][c - 1]) + heat[r - 1][c] + heat[r - 1][c + 1] +
                                       heat[r][c - 1] + heat[r][c] + heat[r][c + 1]) /
                                      6);
    }
  }
  UpdateTexture();
}

void StraightforwardFire::UpdateTexture() {
  int o = 0;
  for (int r = 0; r <= 127; r++) {
    for (int c = 0; c <= 127; c++) {
      const float v = static_cast<float>(heat[r][c] * 3.0);
      const int n = static_cast<int>(v);
      const int k = n - n % 3;
      texture[o] = palette[k];
      texture[o + 1] = palette[k + 1];
      texture[o + 2] = palette[k + 2];
      o += 3;
    }
  }
}
