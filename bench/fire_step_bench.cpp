// One frame of the fire's CPU work: a new random row, the in-place spread and
// the conversion to 48 KB of texels (everything but the GL upload), done by
// the straightforward loop and by our kernels.
//
// BM_SideBySide runs one straightforward frame and one of ours (the fastest
// kernel here) in every iteration, times each, and reports the median of
// each and their ratio, so that the load of a shared machine falls on both
// alike. The others time one way of doing the frame each.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "bench/straightforward_fire.h"
#include "renderer/core/fire/fire_kernel.h"
#include "renderer/core/fire/fire_texture.h"

namespace {

using namespace blazemere::fire;
using Clock = std::chrono::steady_clock;

constexpr int kWarmFrames = 300;  // a burning field, not a cold one

std::vector<std::uint8_t> RampPixels() {
  std::vector<std::uint8_t> ramp(256 * 3);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<std::uint8_t>(i * 7);
  return ramp;
}

struct OurFire {
  explicit OurFire(const std::vector<std::uint8_t>& ramp)
      : palette(FirePalette::FromImagePixels(ramp.data(), 256, 1)), heat(std::make_unique<HeatField>()),
        texture(kTextureBytes) {}
  void Step(FireKernel kernel) {
    StepHeatField(*heat, random, kernel);
    ConvertHeatToTexture(*heat, palette, std::span<std::uint8_t, kTextureBytes>(texture.data(), kTextureBytes), kernel);
  }
  FirePalette palette;
  std::unique_ptr<HeatField> heat;
  CrtRandom random;
  std::vector<std::uint8_t> texture;
};

double Median(std::vector<double> samples) {
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

void BM_SideBySide(benchmark::State& state) {
  const std::vector<std::uint8_t> ramp = RampPixels();
  auto plain = std::make_unique<StraightforwardFire>();
  plain->palette = ramp.data();
  OurFire ours(ramp);
  const FireKernel kernel = FastestFireKernel();
  for (int i = 0; i < kWarmFrames; ++i) {
    plain->Step();
    ours.Step(kernel);
  }
  std::vector<double> plainMicros, ourMicros;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    plain->Step();
    const Clock::time_point middle = Clock::now();
    ours.Step(kernel);
    const Clock::time_point end = Clock::now();
    benchmark::DoNotOptimize(plain->texture);
    benchmark::DoNotOptimize(ours.texture.data());
    benchmark::ClobberMemory();
    plainMicros.push_back(std::chrono::duration<double, std::micro>(middle - start).count());
    ourMicros.push_back(std::chrono::duration<double, std::micro>(end - middle).count());
  }
  if (std::memcmp(plain->texture, ours.texture.data(), kTextureBytes) != 0 ||
      std::memcmp(plain->heat, ours.heat->cells, sizeof plain->heat) != 0) {
    state.SkipWithError("the two fires differ");
    return;
  }
  const double plainMedian = Median(plainMicros), ourMedian = Median(ourMicros);
  state.counters["straightforward_us"] = plainMedian;
  state.counters["ours_us"] = ourMedian;
  state.counters["ratio"] = plainMedian / ourMedian;
  state.SetLabel("ours: " + std::string(FireKernelName(kernel)));
}
BENCHMARK(BM_SideBySide)->Unit(benchmark::kMicrosecond);

void BM_Straightforward(benchmark::State& state) {
  const std::vector<std::uint8_t> ramp = RampPixels();
  auto plain = std::make_unique<StraightforwardFire>();
  plain->palette = ramp.data();
  for (int i = 0; i < kWarmFrames; ++i) plain->Step();
  for (auto _ : state) {
    plain->Step();
    benchmark::DoNotOptimize(plain->texture);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Straightforward)->Unit(benchmark::kMicrosecond);

// Burns `ours` for a while with `kernel`; false, and the benchmark skipped,
// where this processor cannot run it.
bool WarmUp(benchmark::State& state, OurFire& ours, FireKernel kernel) {
  if (!FireKernelRuns(kernel)) {
    state.SkipWithError("does not run on this processor");
    return false;
  }
  for (int i = 0; i < kWarmFrames; ++i) ours.Step(kernel);
  return true;
}

void BM_Kernel(benchmark::State& state, FireKernel kernel) {
  OurFire ours(RampPixels());
  if (!WarmUp(state, ours, kernel)) return;
  for (auto _ : state) {
    ours.Step(kernel);
    benchmark::DoNotOptimize(ours.texture.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(BM_Kernel, portable, FireKernel::kPortable)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Kernel, avx2, FireKernel::kAvx2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Kernel, avx512, FireKernel::kAvx512)->Unit(benchmark::kMicrosecond);

// The two halves of one of ours on their own: the step (new row and spread,
// on a field kept burning) and the conversion of a burning field.
void BM_Half(benchmark::State& state, FireKernel kernel, bool step) {
  OurFire ours(RampPixels());
  if (!WarmUp(state, ours, kernel)) return;
  for (auto _ : state) {
    if (step) {
      StepHeatField(*ours.heat, ours.random, kernel);
    } else {
      ConvertHeatToTexture(*ours.heat, ours.palette,
                           std::span<std::uint8_t, kTextureBytes>(ours.texture.data(), kTextureBytes), kernel);
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK_CAPTURE(BM_Half, step_avx512, FireKernel::kAvx512, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Half, convert_avx512, FireKernel::kAvx512, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Half, step_avx2, FireKernel::kAvx2, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Half, convert_avx2, FireKernel::kAvx2, false)->Unit(benchmark::kMicrosecond);

}  // namespace
