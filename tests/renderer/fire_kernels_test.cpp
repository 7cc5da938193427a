// The fire's fast kernels against the plain reference loops, byte for byte:
// each kernel this processor runs is forced in turn, over thousands of
// frames of the real fire, from fields with hot edges and odd values, and
// for heat values at every whole-number boundary.
#include <gtest/gtest.h>

#include <bit>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
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
  kernel == nullptr ? ConvertHeatToTextureReference(heat, palette, span) : ConvertHeatToTexture(heat, palette, span, *kernel);
  return texels;
}

// Every entry a different colour: entry k is (k, 255 - k, k xor 0x5A).
FirePalette DistinctPalette() {
  std::vector<std::uint8_t> pixels;
  for (int k = 0; k < 256; ++k) pixels.insert(pixels.end(), {std::uint8_t(k), std::uint8_t(255 - k), std::uint8_t(k ^ 0x5A)});
  return FirePalette::FromImagePixels(pixels.data(), 16, 16);
}

// Bit for bit, naming the first element that differs (a cell r,c is r * 128 + c).
template <typename T>
testing::AssertionResult SameBits(const T* actual, const T* expected, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (std::memcmp(&actual[i], &expected[i], sizeof(T)) != 0)
      return testing::AssertionFailure() << "first difference at element " << i << ": " << std::setprecision(9)
                                         << +actual[i] << " instead of " << +expected[i];
  return testing::AssertionSuccess();
}
constexpr std::size_t kCells = std::size_t{kFieldSize} * kFieldSize;
testing::AssertionResult SameField(const HeatField& actual, const HeatField& expected) {
  return SameBits(&actual.cells[0][0], &expected.cells[0][0], kCells);
}
testing::AssertionResult SameTexels(const Texels& actual, const Texels& expected) {
  return SameBits(actual.data(), expected.data(), expected.size());
}

class FireKernelTest : public testing::TestWithParam<FireKernel> {
 protected:
  void SetUp() override {
    if (!FireKernelRuns(GetParam())) GTEST_SKIP() << FireKernelName(GetParam()) << " does not run here";
  }
  FireKernel kernel() const { return GetParam(); }

  // From `start`, the kernel against the plain loops: the field after every
  // frame, and the texture after the frames in `texelFrames`.
  void ExpectStepsAlike(const HeatField& start, int frames, std::initializer_list<int> texelFrames = {}) {
    auto fast = std::make_unique<HeatField>(start), plain = std::make_unique<HeatField>(start);
    CrtRandom fastRandom, plainRandom;
    const FirePalette palette = DistinctPalette();
    const FireKernel k = kernel();
    for (int frame = 1; frame <= frames; ++frame) {
      StepHeatField(*fast, fastRandom, k);
      StepHeatFieldReference(*plain, plainRandom);
      ASSERT_TRUE(SameField(*fast, *plain)) << "frame " << frame;
      if (std::ranges::find(texelFrames, frame) != texelFrames.end()) {
        ASSERT_TRUE(SameTexels(ConvertWith(*fast, palette, &k), ConvertWith(*plain, palette, nullptr))) << "frame " << frame;
      }
    }
  }
};

// The real fire from a cold start: the field after every frame, and the
// texture at the frames that show the first rows, a young fire and the end
// of the first zoom cycle.
TEST_P(FireKernelTest, BurnsLikeTheReferenceForAWholeZoomCycle) {
  ExpectStepsAlike(*std::make_unique<HeatField>(), 4001, {1, 2, 100, 4001});
}

// One step from fields the fire never makes on its own: the edges, row 127
// included, hold heat, so a kernel that treats them as cold or reads the
// wrong neighbour there shows it; sums too small for a normal float; and
// cells that are negative, zero with a sign, huge, infinite or not a number.
TEST_P(FireKernelTest, StepsLikeTheReferenceFromAnyField) {
  const float kOdd[] = {-0.0f, -2.5f, std::numeric_limits<float>::denorm_min(), 1e-40f,
                        std::numeric_limits<float>::max(), std::numeric_limits<float>::infinity(),
                        std::numeric_limits<float>::quiet_NaN()};
  struct Row {
    const char* name;
    float low, high;  // cells drawn uniformly from this range ...
    int oddEvery;     // ... and every so many an odd value instead (0: none)
    bool coldMiddle;
  };
  const Row rows[] = {{"barely warm", 0.0f, 1e-30f, 0, false},
                      {"hot rim, cold middle", 200.0f, 255.0f, 0, true},
                      {"odd values here and there", 0.0f, 255.0f, 97, false}};
  for (const Row& row : rows) {
    std::mt19937 generator(7);
    std::uniform_real_distribution<float> heat(row.low, row.high);
    auto start = std::make_unique<HeatField>();
    for (int r = 0, n = 0; r < kFieldSize; ++r) {
      for (int c = 0; c < kFieldSize; ++c, ++n) {
        const bool inside = r >= 1 && r < kFieldSize - 1 && c >= 1 && c < kFieldSize - 1;
        start->cells[r][c] = row.coldMiddle && inside                  ? 0.0f
                            : row.oddEvery != 0 && n % row.oddEvery == 0 ? kOdd[(n / row.oddEvery) % std::size(kOdd)]
                                                                         : heat(generator);
      }
    }
    SCOPED_TRACE(row.name);
    ExpectStepsAlike(*start, 3);
  }
}

// The kernels divide by 6 without dividing. The sum that is hardest to get
// right that way lies just above a tie between two floats whose lower one
// is even: s = 6m + 4u, with m the midpoint, in a binade where a sixth of s
// lies in [2^e, 4/3 2^e) and u the spacing of the doubles there. s times
// the double nearest 1/6 rounds to m, which ties down to the even float,
// while s / 6 rounds to the double above m and so to the float above.
// StartWithTieSums builds such a sum, to the last bit, at column 1 of every
// row: row r's left edge, old cell and right neighbour are the sum's last
// three terms, chosen after the row below is known.
std::unique_ptr<HeatField> StartWithTieSums() {
  auto start = std::make_unique<HeatField>();
  std::mt19937 generator(11);
  std::uniform_real_distribution<float> heat(20.0f, 200.0f);
  for (auto& cells : start->cells)
    for (float& cell : cells) cell = heat(generator);
  for (int r = 1; r < kFieldSize - 1; ++r) {
    auto after = std::make_unique<HeatField>(*start);
    CrtRandom random;
    StepHeatFieldReference(*after, random);
    const double below = (static_cast<double>(after->cells[r - 1][0]) + after->cells[r - 1][1]) + after->cells[r - 1][2];
    int e = 5;
    while (6.5 * std::ldexp(1.0, e) < below) ++e;
    const auto edge = static_cast<float>(std::round(6.5 * std::ldexp(1.0, e) - below));
    const double partial = below + edge;
    // The smallest midpoint m = (4j + 1) 2^(e-24) with 6m >= partial that
    // the three terms can reach exactly.
    const auto first = static_cast<long long>(std::ceil((partial / 6.0 / std::ldexp(1.0, e - 24) - 1.0) / 4.0));
    for (long long j = first; j < first + 16; ++j) {
      const double tie = static_cast<double>(4 * j + 1) * std::ldexp(1.0, e - 24);
      const double target = 6.0 * tie + std::ldexp(4.0, e - 52);
      const auto old = static_cast<float>(target - partial);
      const auto right = static_cast<float>(target - partial - old);
      if ((partial + old) + right == target) {
        start->cells[r][0] = edge;
        start->cells[r][1] = old;
        start->cells[r][2] = right;
        break;
      }
    }
  }
  return start;
}

TEST_P(FireKernelTest, RoundsSumsJustAboveAFloatTieLikeTheDivision) {
  const auto start = StartWithTieSums();
  auto plain = std::make_unique<HeatField>(*start);
  CrtRandom random;
  StepHeatFieldReference(*plain, random);
  // The field must hold what the test is about: sums at column 1 that a
  // bare multiplication by 1/6 rounds to another float than the division.
  int hard = 0;
  for (int r = 1; r < kFieldSize - 1; ++r) {
    const double sum = ((((static_cast<double>(plain->cells[r - 1][0]) + plain->cells[r - 1][1]) + plain->cells[r - 1][2]) +
                         start->cells[r][0]) + start->cells[r][1]) + start->cells[r][2];
    if (static_cast<float>(sum * (1.0 / 6.0)) != static_cast<float>(sum / 6.0)) ++hard;
  }
  ASSERT_EQ(hard, kFieldSize - 2) << "sums that a bare product rounds wrongly";
  ExpectStepsAlike(*start, 1);
}

// Heat values at and a few steps either side of every whole number, values
// the step never makes, and floats from 0 to 256 at every 97 * 1024th bit
// pattern: a stride that is no power of two, so the low bits take many values.
TEST_P(FireKernelTest, ConvertsEveryBoundaryLikeTheReference) {
  const float kInfinity = std::numeric_limits<float>::infinity();
  std::vector<float> values = {-0.0f, -1.0f, -1e30f, 255.4f, 255.99f, 766.0f, 1e30f, kInfinity, -kInfinity,
                               std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::denorm_min()};
  for (int m = 0; m <= 256; ++m) {
    float below = static_cast<float>(m), above = below;
    values.push_back(below);
    for (int step = 0; step < 4; ++step) values.insert(values.end(), {below = std::nextafter(below, -1.0f), above = std::nextafter(above, 1000.0f)});
  }
  for (std::uint32_t bits = 0; bits <= 0x43800000u; bits += 97 * 1024) values.push_back(std::bit_cast<float>(bits));

  const FirePalette palette = DistinctPalette();
  const FireKernel k = kernel();
  auto heat = std::make_unique<HeatField>();
  for (std::size_t first = 0; first < values.size(); first += kCells) {
    for (std::size_t i = 0; i < kCells; ++i) (&heat->cells[0][0])[i] = values[(first + i) % values.size()];
    ASSERT_TRUE(SameTexels(ConvertWith(*heat, palette, &k), ConvertWith(*heat, palette, nullptr)));
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
