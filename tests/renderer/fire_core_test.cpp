// The fire without GL: generator, heat step, texture conversion, palette
// guard, zoom cycle and frame schedule, checked against values worked out
// independently of the code under test.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "renderer/fire/crt_random.h"
#include "renderer/fire/extension_list.h"
#include "renderer/fire/fire_palette.h"
#include "renderer/fire/fire_texture.h"
#include "renderer/fire/frame_schedule.h"
#include "renderer/fire/heat_field.h"
#include "renderer/fire/zoom_step.h"

namespace {

using namespace blazemere::fire;

// The fire written out plainly on a flat array, with its own generator.
struct ReferenceFire {
  std::vector<float> cells = std::vector<float>(128 * 128, 0.0f);
  std::uint64_t seed = 1;

  int Rand() {
    seed = (seed * 214013 + 2531011) % 4294967296ull;
    return static_cast<int>(seed / 65536 % 32768);
  }
  float& At(int r, int c) { return cells[static_cast<std::size_t>(r) * 128 + c]; }
  void Frame() {
    for (int c = 0; c < 128; ++c) At(0, c) = static_cast<float>(Rand() & 255);
    for (int r = 1; r <= 126; ++r) {
      for (int c = 1; c <= 126; ++c) {
        const double terms[6] = {At(r - 1, c - 1), At(r - 1, c), At(r - 1, c + 1), At(r, c - 1), At(r, c), At(r, c + 1)};
        double sum = 0;
        for (double t : terms) sum += t;
        At(r, c) = static_cast<float>(sum / 6);
      }
    }
  }
  static int Entry(float heat) { return static_cast<int>(heat * 3.0f) / 3; }
};

// A palette image whose entry k is (k, 255 - k, k xor 0x5A), sized exactly
// so that a read past it is caught by the address sanitizer.
std::vector<std::uint8_t> TestRampPixels(std::size_t pixels) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t k = 0; k < pixels; ++k) {
    const auto v = static_cast<std::uint8_t>(k);
    bytes.insert(bytes.end(), {v, static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(v ^ 0x5A)});
  }
  return bytes;
}

std::uint32_t Colour(const std::uint8_t* p) { return (std::uint32_t{p[0]} << 16) | (p[1] << 8) | p[2]; }
std::uint32_t TestRampColour(int k) { return std::uint32_t(k) << 16 | std::uint32_t(255 - k) << 8 | std::uint32_t(k ^ 0x5A); }

class FireRun {
 public:
  void Frames(int count) {
    for (int i = 0; i < count; ++i) StepHeatField(*heat, random);
  }
  std::vector<std::uint8_t> Texture(const FirePalette& palette) {
    std::vector<std::uint8_t> texture(kTextureBytes);
    ConvertHeatToTexture(*heat, palette, std::span<std::uint8_t, kTextureBytes>(texture.data(), kTextureBytes));
    return texture;
  }
  std::unique_ptr<HeatField> heat = std::make_unique<HeatField>();
  CrtRandom random;
};

TEST(CrtRandom, StartsFromStateOneLikeTheCLibrary) {
  CrtRandom random;
  for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}) {
    EXPECT_EQ(random.Next(), expected);
  }
}

TEST(HeatField, FirstFrameMatchesHandWorkedCells) {
  FireRun run;
  run.Frames(1);
  const auto& h = run.heat->cells;
  // First rands 41, 18467, 6334, 26500 -> bytes 41, 35, 190, 132.
  const float h11 = static_cast<float>((41.0 + 35 + 190) / 6);
  const float h12 = static_cast<float>((35.0 + 190 + 132 + h11) / 6);
  const float h21 = static_cast<float>((0.0 + h11 + h12) / 6);
  struct Row { const char* name; int r, c; float expected; };
  const Row rows[] = {{"seed 0", 0, 0, 41}, {"seed 1", 0, 1, 35}, {"seed 3", 0, 3, 132}, {"first average", 1, 1, h11},
                      {"uses new left", 1, 2, h12}, {"second row", 2, 1, h21}, {"left edge", 1, 0, 0},
                      {"right edge", 5, 127, 0}, {"top row", 127, 64, 0}};
  for (const Row& row : rows) EXPECT_EQ(h[row.r][row.c], row.expected) << row.name;
}

TEST(HeatField, MatchesPlainReferenceOverManyFrames) {
  FireRun run;
  ReferenceFire reference;
  const FirePalette palette = FirePalette::FromImagePixels(TestRampPixels(256).data(), 16, 16);
  int done = 0;
  for (int frames : {1, 2, 300}) {
    run.Frames(frames - done);
    for (; done < frames; ++done) reference.Frame();
    SCOPED_TRACE("after frame " + std::to_string(frames));
    const auto texture = run.Texture(palette);
    int mismatches = 0;
    for (int r = 0; r < 128; ++r) {
      for (int c = 0; c < 128; ++c) {
        const bool heatSame = run.heat->cells[r][c] == reference.At(r, c);
        const bool texelSame = Colour(&texture[(r * 128 + c) * 3]) == TestRampColour(ReferenceFire::Entry(reference.At(r, c)));
        if ((!heatSame || !texelSame) && ++mismatches <= 3) ADD_FAILURE() << "cell " << r << "," << c;
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
  EXPECT_GT(run.heat->cells[60][64], 1.0f) << "after 300 frames the heat has risen halfway";
}

TEST(FireTexture, HeatPicksPaletteEntry) {
  const auto pixels = TestRampPixels(256);
  const FirePalette palette = FirePalette::FromImagePixels(pixels.data(), 256, 1);
  struct Row { float heat; int entry; };
  for (const Row row : {Row{0.0f, 0}, Row{255.0f, 255}, Row{84.5f, 84}, Row{1.0f, 1}, Row{0.99f, 0}, Row{-3.0f, 0}, Row{900.0f, 255}}) {
    FireRun run;
    run.heat->cells[7][9] = row.heat;
    const auto texture = run.Texture(palette);
    EXPECT_EQ(Colour(&texture[(7 * 128 + 9) * 3]), TestRampColour(row.entry)) << "heat " << row.heat;
  }
}

TEST(FirePalette, NeverReadsBeyondAShortImage) {
  struct Row { const char* name; std::int32_t width, height; std::size_t pixels; int firstBlack; };
  const Row rows[] = {{"ten pixels", 10, 1, 10, 10},        {"exactly 256", 16, 16, 256, 256},
                      {"host's 32x32", 32, 32, 1024, 256},  {"top-down 32x8", 32, -8, 256, 256},
                      {"zero width", 0, 40, 0, 0},          {"negative width", -4, 8, 0, 0},
                      {"one row of 3", 3, 1, 3, 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto pixels = TestRampPixels(row.pixels);
    const FirePalette palette = FirePalette::FromImagePixels(pixels.empty() ? nullptr : pixels.data(), row.width, row.height);
    for (int k = 0; k < 256; ++k) {
      const std::uint32_t expected = k < row.firstBlack ? TestRampColour(k) : 0u;
      ASSERT_EQ(Colour(palette.Entry(k)), expected) << "entry " << k;
    }
  }
}

TEST(ZoomStep, CyclesOverMoreThanTwoCycles) {
  std::int32_t counter = 0;
  struct Row { int frame; float step; std::int32_t counterAfter; };
  const Row rows[] = {{1, -0.01f, 1},     {1999, -0.01f, 1999}, {2000, 0.01f, 2000}, {4000, 0.01f, 4000},
                      {4001, 0.01f, 0},   {4002, -0.01f, 1},    {6001, 0.01f, 2000}, {8002, 0.01f, 0},
                      {8003, -0.01f, 1}};
  std::size_t next = 0;
  double travelled = 0;
  for (int frame = 1; frame <= 8003; ++frame) {
    const float step = AdvanceZoom(counter);
    travelled += step;
    if (frame == 4001) {
      EXPECT_NEAR(travelled, 0.03, 1e-6) << "one cycle ends nearer";
    }
    if (frame == 8002) {
      EXPECT_NEAR(travelled, 0.06, 1e-6) << "two cycles";
    }
    if (next < std::size(rows) && rows[next].frame == frame) {
      EXPECT_EQ(step, rows[next].step) << "frame " << frame;
      EXPECT_EQ(counter, rows[next].counterAfter) << "frame " << frame;
      ++next;
    }
  }
  EXPECT_EQ(next, std::size(rows));
}

TEST(FrameSchedule, OneFramePerPeriodWithoutBursts) {
  EXPECT_EQ(FramePeriodNanoseconds(0), 16'666'666) << "unknown rate counts as 60 Hz";
  EXPECT_EQ(FramePeriodNanoseconds(75), 13'333'333);
  EXPECT_EQ(FramePeriodNanoseconds(100000), 16'666'666);
  FrameSchedule schedule(100);
  struct Row { const char* name; std::int64_t now, due; };
  const Row rows[] = {{"first at once", 1000, 1000},   {"early call waits", 1010, 1100},
                      {"on time", 1100, 1200},         {"slightly late keeps pace", 1250, 1300},
                      {"stall restarts from now", 2000, 2000}, {"then regular again", 2001, 2100}};
  for (const Row& row : rows) EXPECT_EQ(schedule.NextFrameStart(row.now), row.due) << row.name;
}

TEST(ExtensionList, MatchesWholeNamesOnly) {
  const char* list = "GLX_ARB_multisample GLX_EXT_swap_control_tear GLX_SGI_swap_control ";
  struct Row { const char* name; bool listed; };
  for (const Row row : {Row{"GLX_SGI_swap_control", true}, Row{"GLX_ARB_multisample", true},
                        Row{"GLX_EXT_swap_control", false}, Row{"GLX_MESA_swap_control", false}, Row{"", false}}) {
    EXPECT_EQ(ExtensionListed(list, row.name), row.listed) << row.name;
  }
}

}  // namespace
