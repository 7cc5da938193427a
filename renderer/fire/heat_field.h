// The fire's heat: a 128 x 128 grid of temperatures 0 to 255, row 0 the
// bottom edge where fresh random heat is put in every frame.
#pragma once

#include "renderer/fire/crt_random.h"

namespace blazemere::fire {

inline constexpr int kFieldSize = 128;

struct HeatField {
  // cells[row][column]; starts cold everywhere.
  float cells[kFieldSize][kFieldSize] = {};
};

// One animation step: a new random bottom row, then the heat spread upward
// in place. Row 127 and the outer columns of rows 1 to 127 are never written
// and so stay cold edges that draw the flames down.
void StepHeatField(HeatField& heat, CrtRandom& random);

}  // namespace blazemere::fire
