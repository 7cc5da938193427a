// Turning the heat field into the RGB texels that the square shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "renderer/core/fire/fire_kernel.h"
#include "renderer/core/fire/fire_palette.h"
#include "renderer/core/fire/heat_field.h"

namespace blazemere::fire {

// 128 x 128 texels of R, G, B, laid out like the heat field (row 0 first).
inline constexpr std::size_t kTextureBytes = std::size_t{kFieldSize} * kFieldSize * 3;

// A cell of heat h takes palette entry n div 3 with n = int(float(h * 3)),
// which for every float from 0 to 255 is the integer part of h. Cells
// outside that range (which the step never makes) are held to it, and one
// that is not a number takes entry 0. Runs the fastest kernel, or the one
// asked for (the portable one where that one does not run); all give the
// reference's bytes.
void ConvertHeatToTexture(const HeatField& heat, const FirePalette& palette,
                          std::span<std::uint8_t, kTextureBytes> texture);
void ConvertHeatToTexture(const HeatField& heat, const FirePalette& palette,
                          std::span<std::uint8_t, kTextureBytes> texture, FireKernel kernel);

// The palette entry of one cell, and the conversion as a plain loop over the
// cells: the readable definition the kernels are checked against.
[[nodiscard]] int PaletteEntryForHeat(float heat);
void ConvertHeatToTextureReference(const HeatField& heat, const FirePalette& palette,
                                   std::span<std::uint8_t, kTextureBytes> texture);

}  // namespace blazemere::fire
