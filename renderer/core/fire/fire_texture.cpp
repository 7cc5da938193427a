// Heat to texels: see fire_texture.h.
#include "renderer/core/fire/fire_texture.h"

#include <cstring>

#include "renderer/core/fire/kernels/fire_kernel_entries.h"

namespace blazemere::fire {

int PaletteEntryForHeat(float heat) {
  // float(h * 3.0) in double is exactly the float product: h has 24
  // significant bits and 3 has two, so the double product is exact.
  // For h in [n, n+1), 0 <= n <= 255, the result is n, which the kernels
  // use: float(3h) >= 3n, a float, and float(3h) < 3n + 3, since 3h lies
  // at least 3 ulp(h) below 3n + 3 while the floats just below 3n + 3 are
  // at most 4 ulp(h) apart; so int(float(3h)) is 3n, 3n + 1 or 3n + 2.
  float scaled = heat * 3.0f;
  if (!(scaled >= 0.0f)) scaled = 0.0f;  // negative or not a number
  if (scaled > 765.0f) scaled = 765.0f;
  const int n = static_cast<int>(scaled);
  return (n - n % 3) / 3;
}

void ConvertHeatToTextureReference(const HeatField& heat, const FirePalette& palette,
                                   std::span<std::uint8_t, kTextureBytes> texture) {
  std::uint8_t* out = texture.data();
  for (const auto& row : heat.cells) {
    for (const float cell : row) {
      std::memcpy(out, palette.Entry(PaletteEntryForHeat(cell)), 3);
      out += 3;
    }
  }
}

void ConvertHeatToTexture(const HeatField& heat, const FirePalette& palette,
                          std::span<std::uint8_t, kTextureBytes> texture) {
  ConvertHeatToTexture(heat, palette, texture, FastestFireKernel());
}

void ConvertHeatToTexture(const HeatField& heat, const FirePalette& palette,
                          std::span<std::uint8_t, kTextureBytes> texture, FireKernel kernel) {
  kernels::EntriesOrPortable(kernel).heatToTexels(&heat.cells[0][0], palette.PaddedEntries(), texture.data());
}

}  // namespace blazemere::fire
