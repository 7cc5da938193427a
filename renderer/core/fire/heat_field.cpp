// The heat step: see heat_field.h.
#include "renderer/core/fire/heat_field.h"

#include "renderer/core/fire/kernels/fire_kernel_entries.h"

namespace blazemere::fire {

namespace {

void SeedBottomRow(HeatField& heat, CrtRandom& random) {
  for (float& cell : heat.cells[0]) cell = static_cast<float>(random.Next() % 256);
}

// In place on purpose: the cell to the left already holds this frame's value
// while the cell itself and the one to the right still hold last frame's.
// The flame shapes depend on that order, so it must not become a two-buffer
// update; the kernels keep it by working along diagonals.
void SpreadHeatUpward(HeatField& heat) {
  for (int r = 1; r < kFieldSize - 1; ++r) {
    const float* below = heat.cells[r - 1];
    float* row = heat.cells[r];
    for (int c = 1; c < kFieldSize - 1; ++c) {
      double sum = below[c - 1];
      sum += below[c];
      sum += below[c + 1];
      sum += row[c - 1];
      sum += row[c];
      sum += row[c + 1];
      row[c] = static_cast<float>(sum / 6.0);
    }
  }
}

}  // namespace

void StepHeatField(HeatField& heat, CrtRandom& random) { StepHeatField(heat, random, FastestFireKernel()); }

void StepHeatField(HeatField& heat, CrtRandom& random, FireKernel kernel) {
  SeedBottomRow(heat, random);
  kernels::EntriesOrPortable(kernel).spreadHeat(&heat.cells[0][0]);
}

void StepHeatFieldReference(HeatField& heat, CrtRandom& random) {
  SeedBottomRow(heat, random);
  SpreadHeatUpward(heat);
}

}  // namespace blazemere::fire
