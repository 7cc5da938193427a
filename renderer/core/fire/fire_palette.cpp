// The fire's colour ramp: see fire_palette.h.
#include "renderer/core/fire/fire_palette.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace blazemere::fire {

std::size_t ImagePixelCount(std::int32_t width, std::int32_t height) {
  if (width <= 0) return 0;
  // The reader keeps a top-down image's negative height; its rows are real.
  const std::int64_t rows = std::llabs(static_cast<std::int64_t>(height));
  return static_cast<std::size_t>(rows * width);
}

FirePalette FirePalette::FromImagePixels(const std::uint8_t* pixels, std::int32_t width, std::int32_t height) {
  FirePalette palette;
  if (pixels == nullptr) return palette;
  const std::size_t entries = std::min<std::size_t>(ImagePixelCount(width, height), kPaletteEntries);
  for (std::size_t k = 0; k < entries; ++k) std::memcpy(&palette.bytes_[k * 4], pixels + k * 3, 3);
  return palette;
}

}  // namespace blazemere::fire
