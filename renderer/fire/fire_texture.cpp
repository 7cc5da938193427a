// Heat to texels: see fire_texture.h.
#include "renderer/fire/fire_texture.h"

#include <algorithm>
#include <cstring>

namespace blazemere::fire {

namespace {

int PaletteEntryForHeat(float heat) {
  // The field never leaves 0..255; the clamp only keeps a corrupted cell
  // from indexing outside the table.
  const float scaled = std::clamp(heat * 3.0f, 0.0f, 765.0f);
  const int n = static_cast<int>(scaled);
  return (n - n % 3) / 3;
}

}  // namespace

void ConvertHeatToTexture(const HeatField& heat, const FirePalette& palette,
                          std::span<std::uint8_t, kTextureBytes> texture) {
  std::uint8_t* out = texture.data();
  for (const auto& row : heat.cells) {
    for (const float cell : row) {
      std::memcpy(out, palette.Entry(PaletteEntryForHeat(cell)), 3);
      out += 3;
    }
  }
}

}  // namespace blazemere::fire
