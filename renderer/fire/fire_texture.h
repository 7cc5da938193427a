// Turning the heat field into the RGB texels that the square shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "renderer/fire/fire_palette.h"
#include "renderer/fire/heat_field.h"

namespace blazemere::fire {

// 128 x 128 texels of R, G, B, laid out like the heat field (row 0 first).
inline constexpr std::size_t kTextureBytes = std::size_t{kFieldSize} * kFieldSize * 3;

// A cell of heat h takes palette entry n div 3 with n = int(float(h * 3)):
// the integer part of h, up to float rounding at the edges.
void ConvertHeatToTexture(const HeatField& heat, const FirePalette& palette,
                          std::span<std::uint8_t, kTextureBytes> texture);

}  // namespace blazemere::fire
