// The fire as a still picture: see fire_still.h.
#include "renderer/core/fire/fire_still.h"

#include <algorithm>
#include <memory>
#include <span>
#include <vector>

#include "common/palette_ramp.h"
#include "renderer/core/dib/dib_decoder.h"
#include "renderer/core/fire/fire_texture.h"

namespace blazemere::fire {

FirePalette BuiltInRampPalette() {
  const std::vector<std::uint8_t> file = PaletteRampBmpFile();
  const renderer::PaletteImageHandle image(renderer::DecodeDib(file).image);
  if (!image) return {};
  return FirePalette::FromImagePixels(image->data, image->width, image->height);
}

RgbImage FireStill(std::int64_t frames, const FirePalette& palette) {
  auto heat = std::make_unique<HeatField>();
  CrtRandom random;
  std::vector<std::uint8_t> texture(kTextureBytes);
  for (std::int64_t frame = 0; frame < frames; ++frame) StepHeatField(*heat, random);
  ConvertHeatToTexture(*heat, palette, std::span<std::uint8_t, kTextureBytes>(texture.data(), kTextureBytes));
  RgbImage still(kFieldSize, kFieldSize);
  const std::size_t rowBytes = std::size_t{kFieldSize} * 3;
  for (int row = 0; row < kFieldSize; ++row) {
    const auto from = texture.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
    std::copy(from, from + static_cast<std::ptrdiff_t>(rowBytes),
              still.pixels.begin() + static_cast<std::ptrdiff_t>((kFieldSize - 1 - row) * rowBytes));
  }
  return still;
}

}  // namespace blazemere::fire
