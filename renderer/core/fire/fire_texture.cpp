// Heat to texels: see fire_texture.h.
#include "renderer/core/fire/fire_texture.h"

#include <cstring>

#include "renderer/core/fire/kernels/fire_kernel_entries.h"

namespace blazemere::fire {

int PaletteEntryForHeat(float heat) {
  // float(h * 3.0) in double is exactly the float product: h has 24
  // significant bits and 3 has two, so the double product is exact.
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
