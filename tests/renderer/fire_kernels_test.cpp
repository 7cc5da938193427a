// The fire's fast kernels against the plain reference loops, byte for byte:
// each kernel this processor runs is forced in turn, over thousands of
// frames of the real fire, from fields with hot edges and odd values, and
// for heat values at every whole-number boundary.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <limits>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "renderer/core/fire/fire_kernel.h"
#include "renderer/core/fire/fire_palette.h"
#include "renderer/core/fire/fire_texture.h"
#include "renderer/core/fire/heat_field.h"

namespace {

using namespace blazemere::fire;

using Texels = std::vector<std::uint8_t>;

Texels ConvertWith(const HeatField& heat, const FirePalette& palette, const FireKernel* kernel) {
  Texels texels(kTextureBytes);
  const std::span<std::uint8_t, kTextureBytes> span(texels.data(), kTextureBytes);
  if (kernel == nullptr) {
    ConvertHeatToTextureReference(heat, palette, span);
  } else {
    ConvertHeatToTexture(heat, palette, span, *kernel);
  }
  return texels;
}

// Every entry a different colour: entry k is (k, 255 - k, k xor 0x5A).
FirePalette DistinctPalette() {
  std::vector<std::uint8_t> pixels;
  for (int k = 0; k < 256; ++k) pixels.insert(pixels.end(), {std::uint8_t(k), std::uint8_t(255 - k), std::uint8_t(k ^ 0x5A)});
  return FirePalette::FromImagePixels(pixels.data(), 16, 16);
}

// The first cell where two fields differ, for the failure message.
std::string FirstDifference(const HeatField& actual, const HeatField& expected) {
  for (int r = 0; r < kFieldSize; ++r)
    for (int c = 0; c < kFieldSize; ++c)
      if (std::memcmp(&actual.cells[r][c], &expected.cells[r][c], sizeof(float)) != 0)
        return (std::ostringstream() << "cell " << r << "," << c << ": " << std::setprecision(9) << actual.cells[r][c]
                                     << " instead of " << expected.cells[r][c])
            .str();
  return "none";
}

std::string FirstDifference(const Texels& actual, const Texels& expected) {
  for (std::size_t i = 0; i < expected.size(); ++i)
    if (actual[i] != expected[i]) return "texel " + std::to_string(i / 3) + " byte " + std::to_string(i % 3);
  return "none";
}

class FireKernelTest : public testing::TestWithParam<FireKernel> {
 protected:
  void SetUp() override {
    if (!FireKernelRuns(GetParam())) GTEST_SKIP() << FireKernelName(GetParam()) << " does not run here";
  }
  FireKernel kernel() const { return GetParam(); }
};

// The real fire from a cold start: the field after every frame, and the
// texture at the frames that show the first rows, a young fire and the end
// of the first zoom cycle.
TEST_P(FireKernelTest, BurnsLikeTheReferenceForAWholeZoomCycle) {
  auto fast = std::make_unique<HeatField>(), plain = std::make_unique<HeatField>();
  CrtRandom fastRandom, plainRandom;
  const FirePalette palette = DistinctPalette();
  for (int frame = 1; frame <= 4001; ++frame) {
    StepHeatField(*fast, fastRandom, kernel());
    StepHeatFieldReference(*plain, plainRandom);
    ASSERT_EQ(std::memcmp(fast->cells, plain->cells, sizeof plain->cells), 0)
        << "frame " << frame << ", first difference at " << FirstDifference(*fast, *plain);
    if (frame == 1 || frame == 2 || frame == 100 || frame == 4001) {
      const FireKernel k = kernel();
      const Texels expected = ConvertWith(*plain, palette, nullptr), actual = ConvertWith(*fast, palette, &k);
      ASSERT_EQ(actual, expected) << "frame " << frame << ", first difference at " << FirstDifference(actual, expected);
    }
  }
}

// One step from fields the fire never makes on its own: the edges, row 127
// included, hold heat, so a kernel that treats them as cold or reads the
// wrong neighbour there shows it.
TEST_P(FireKernelTest, StepsLikeTheReferenceFromAnyField) {
  struct Row {
    const char* name;
    float low, high;  // cells drawn uniformly from this range
    std::uint32_t seed;
  };
  const Row rows[] = {{"hot everywhere", 0.0f, 255.0f, 1},
                      {"barely warm", 0.0f, 1e-30f, 2},
                      {"hot rim, cold middle", 200.0f, 255.0f, 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::mt19937 generator(row.seed);
    std::uniform_real_distribution<float> heat(row.low, row.high);
    auto fast = std::make_unique<HeatField>();
    for (auto& cells : fast->cells)
      for (float& cell : cells) cell = heat(generator);
    if (std::string(row.name) == "hot rim, cold middle") {
      for (int r = 1; r < kFieldSize - 1; ++r)
        for (int c = 1; c < kFieldSize - 1; ++c) fast->cells[r][c] = 0.0f;
    }
    auto plain = std::make_unique<HeatField>(*fast);
    CrtRandom fastRandom, plainRandom;
    for (int frame = 1; frame <= 3; ++frame) {
      StepHeatField(*fast, fastRandom, kernel());
      StepHeatFieldReference(*plain, plainRandom);
      ASSERT_EQ(std::memcmp(fast->cells, plain->cells, sizeof plain->cells), 0)
          << "frame " << frame << ", first difference at " << FirstDifference(*fast, *plain);
    }
  }
}

// Heat values at and a few steps either side of every whole number, a sweep
// over the floats up to 256, and values the step never makes.
TEST_P(FireKernelTest, ConvertsEveryBoundaryLikeTheReference) {
  std::vector<float> values;
  for (int m = 0; m <= 256; ++m) {
    float below = static_cast<float>(m), above = below;
    values.push_back(below);
    for (int step = 0; step < 4; ++step) {
      values.push_back(below = std::nextafter(below, -1.0f));
      values.push_back(above = std::nextafter(above, 1000.0f));
    }
  }
  const float kInfinity = std::numeric_limits<float>::infinity();
  for (float odd : {-0.0f, -1.0f, -1e30f, 255.4f, 255.99f, 766.0f, 1e30f, kInfinity, -kInfinity,
                    std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::denorm_min()})
    values.push_back(odd);
  // Floats from 0 to 256, every 97 * 1024th bit pattern: a stride that is no
  // power of two, so the mantissa's low bits take many values.
  for (std::uint32_t bits = 0; bits <= 0x43800000u; bits += 97 * 1024) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    values.push_back(value);
  }

  const FirePalette palette = DistinctPalette();
  const FireKernel k = kernel();
  auto heat = std::make_unique<HeatField>();
  float* cells = &heat->cells[0][0];
  constexpr std::size_t kCells = std::size_t{kFieldSize} * kFieldSize;
  for (std::size_t first = 0; first < values.size(); first += kCells) {
    for (std::size_t i = 0; i < kCells; ++i) cells[i] = values[(first + i) % values.size()];
    const Texels expected = ConvertWith(*heat, palette, nullptr), actual = ConvertWith(*heat, palette, &k);
    ASSERT_EQ(actual, expected) << "first difference at " << FirstDifference(actual, expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Kernels, FireKernelTest, testing::ValuesIn(kFireKernels),
                         [](const testing::TestParamInfo<FireKernel>& param) {
                           return std::string(FireKernelName(param.param));
                         });

// The text's own examples of the heat-to-colour rule, and the rule's edges.
TEST(PaletteEntryForHeat, IsTheIntegerPartOfTheHeat) {
  struct Row { float heat; int entry; };
  const Row rows[] = {{0.0f, 0},       {255.0f, 255}, {84.5f, 84},  {std::nextafter(1.0f, 0.0f), 0},
                      {1.0f, 1},       {-3.0f, 0},    {300.0f, 255}, {std::numeric_limits<float>::quiet_NaN(), 0}};
  for (const Row& row : rows) EXPECT_EQ(PaletteEntryForHeat(row.heat), row.entry) << "heat " << row.heat;
}

}  // namespace
