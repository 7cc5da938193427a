// The fire's heat: a 128 x 128 grid of temperatures 0 to 255, row 0 the
// bottom edge where fresh random heat is put in every frame.
#pragma once

#include "renderer/core/fire/crt_random.h"
#include "renderer/core/fire/fire_kernel.h"

namespace blazemere::fire {

inline constexpr int kFieldSize = 128;

struct HeatField {
  // cells[row][column]; starts cold everywhere.
  float cells[kFieldSize][kFieldSize] = {};
};

// One animation step: a new random bottom row, then the heat spread upward
// in place. Row 127 and the outer columns of rows 1 to 127 are never written
// and so stay cold edges that draw the flames down. Runs the fastest kernel
// this processor has, or the one asked for (the portable one where that one
// does not run); every kernel gives the same bits as the reference.
void StepHeatField(HeatField& heat, CrtRandom& random);
void StepHeatField(HeatField& heat, CrtRandom& random, FireKernel kernel);

// The same step as a plain loop over the cells, one at a time: the readable
// definition the kernels are checked against.
void StepHeatFieldReference(HeatField& heat, CrtRandom& random);

}  // namespace blazemere::fire
