// The fire's inner loops, one set per instruction set. Each set lives in a
// file of its own compiled for that instruction set; only plain pointers
// cross this line, and those files use nothing but intrinsics and this
// folder's templates, so that no inline function from elsewhere is compiled
// there with wider instructions and then shared with code that runs on any
// processor.
#pragma once

#include <cstdint>

#include "renderer/core/fire/fire_kernel.h"

namespace blazemere::fire::kernels {

// `cells` is the 128 x 128 field, row by row. Spreads the heat of row 0
// upward exactly as the plain loop does, with the same bits in every cell.
void SpreadHeatPortable(float* cells);
void SpreadHeatAvx2(float* cells);
void SpreadHeatAvx512(float* cells);

// `paddedEntries` holds the 256 palette entries as R, G, B and a zero byte
// each; `texels` receives 128 x 128 x 3 bytes.
void HeatToTexelsPortable(const float* cells, const std::uint8_t* paddedEntries, std::uint8_t* texels);
void HeatToTexelsAvx2(const float* cells, const std::uint8_t* paddedEntries, std::uint8_t* texels);
void HeatToTexelsAvx512(const float* cells, const std::uint8_t* paddedEntries, std::uint8_t* texels);

struct KernelEntries {
  void (*spreadHeat)(float* cells);
  void (*heatToTexels)(const float* cells, const std::uint8_t* paddedEntries, std::uint8_t* texels);
};

// The loops of `kernel` if this build holds them and the processor runs
// them, else null. Which file defines this is chosen by the build.
const KernelEntries* EntriesFor(FireKernel kernel);

// The loops of `kernel`, or the portable ones where it does not run.
const KernelEntries& EntriesOrPortable(FireKernel kernel);

}  // namespace blazemere::fire::kernels
