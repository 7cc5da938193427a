// One frame of the fire's CPU work: a new random row, the in-place spread
// and the conversion to 48 KB of texels (everything but the GL upload).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "renderer/fire/fire_texture.h"

namespace {

using namespace blazemere::fire;

void BM_FireStepWithTexture(benchmark::State& state) {
  std::vector<std::uint8_t> ramp(256 * 3);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<std::uint8_t>(i * 7);
  const FirePalette palette = FirePalette::FromImagePixels(ramp.data(), 256, 1);
  auto heat = std::make_unique<HeatField>();
  CrtRandom random;
  std::vector<std::uint8_t> texture(kTextureBytes);
  const std::span<std::uint8_t, kTextureBytes> texels(texture.data(), kTextureBytes);
  for (int i = 0; i < 300; ++i) StepHeatField(*heat, random);  // a burning field, not a cold one
  for (auto _ : state) {
    StepHeatField(*heat, random);
    ConvertHeatToTexture(*heat, palette, texels);
    benchmark::DoNotOptimize(texture.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FireStepWithTexture)->Unit(benchmark::kMicrosecond);

}  // namespace
