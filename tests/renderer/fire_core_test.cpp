// The fire without GL: generator, heat step, texture conversion, palette
// guard and zoom cycle, checked against values worked out
// independently of the code under test.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "renderer/core/fire/crt_random.h"
#include "renderer/core/fire/extension_list.h"
#include "renderer/core/fire/fire_palette.h"
#include "renderer/core/fire/fire_texture.h"
#include "renderer/core/fire/frame_schedule.h"
#include "renderer/core/fire/heat_field.h"
#include "renderer/core/fire/swap_wait_check.h"
#include "renderer/core/fire/zoom_step.h"

namespace {

using namespace blazemere::fire;

// The fire written out plainly on a flat array (the generator is held to the
// C library's sequence on its own).
struct ReferenceFire {
  std::vector<float> cells = std::vector<float>(128 * 128, 0.0f);
  CrtRandom random;

  float& At(int r, int c) { return cells[static_cast<std::size_t>(r) * 128 + c]; }
  void Frame() {
    for (int c = 0; c < 128; ++c) At(0, c) = static_cast<float>(random.Next() & 255);
    for (int r = 1; r <= 126; ++r)
      for (int c = 1; c <= 126; ++c)
        At(r, c) = static_cast<float>(
            (double{At(r - 1, c - 1)} + At(r - 1, c) + At(r - 1, c + 1) + At(r, c - 1) + At(r, c) + At(r, c + 1)) / 6);
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

TEST(CrtRandom, StartsFromStateOneLikeTheCLibrary) {
  CrtRandom random;
  for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464})
    EXPECT_EQ(random.Next(), expected);
}

// The core's plain step and conversion, which the fast kernels are checked
// against, against the fire written out once more on a flat array.
TEST(HeatField, ReferenceMatchesTheFireWrittenOut) {
  auto heat = std::make_unique<HeatField>();
  CrtRandom random;
  ReferenceFire reference;
  const FirePalette palette = FirePalette::FromImagePixels(TestRampPixels(256).data(), 16, 16);
  std::vector<std::uint8_t> texture(kTextureBytes);
  int done = 0;
  for (int frames : {1, 2, 300}) {
    for (; done < frames; ++done) {
      StepHeatFieldReference(*heat, random);
      reference.Frame();
    }
    SCOPED_TRACE("after frame " + std::to_string(frames));
    ConvertHeatToTextureReference(*heat, palette, std::span<std::uint8_t, kTextureBytes>(texture.data(), kTextureBytes));
    for (int r = 0; r < 128; ++r) {
      for (int c = 0; c < 128; ++c) {
        ASSERT_EQ(heat->cells[r][c], reference.At(r, c)) << "cell " << r << "," << c;
        ASSERT_EQ(Colour(&texture[(r * 128 + c) * 3]), TestRampColour(ReferenceFire::Entry(reference.At(r, c)))) << r << "," << c;
      }
    }
  }
}

TEST(FirePalette, NeverReadsBeyondAShortImage) {
  struct Row { const char* name; std::int32_t width, height; std::size_t pixels; int firstBlack; };
  const Row rows[] = {{"ten pixels", 10, 1, 10, 10}, {"top-down 32x8", 32, -8, 256, 256}, {"negative width", -4, 8, 0, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto pixels = TestRampPixels(row.pixels);
    const FirePalette palette = FirePalette::FromImagePixels(pixels.empty() ? nullptr : pixels.data(), row.width, row.height);
    for (int k = 0; k < 256; ++k)
      ASSERT_EQ(Colour(palette.Entry(k)), k < row.firstBlack ? TestRampColour(k) : 0u) << "entry " << k;
  }
}

// Over two whole cycles: away for 1999 frames, nearer for 2002, then again.
TEST(ZoomStep, CyclesOverMoreThanTwoCycles) {
  std::int32_t counter = 0;
  double travelled = 0;
  for (int frame = 1; frame <= 8003; ++frame) {
    const int inCycle = (frame - 1) % 4001 + 1;
    const float step = AdvanceZoom(counter);
    travelled += step;
    ASSERT_EQ(step, inCycle < 2000 ? -0.01f : 0.01f) << "frame " << frame;
    ASSERT_EQ(counter, inCycle == 4001 ? 0 : inCycle) << "frame " << frame;
    if (inCycle == 4001) {
      EXPECT_NEAR(travelled, 0.03 * (frame / 4001), 1e-6) << "each cycle ends nearer";
    }
  }
}

// Pacing: one frame per refresh period, and after a stall no burst of frames
// to catch up (the fire must not race).
TEST(FrameSchedule, OneFramePerPeriodWithoutBursts) {
  EXPECT_EQ(FramePeriodNanoseconds(0), 16'666'666) << "unknown rate counts as 60 Hz";
  FrameSchedule schedule(100);
  struct Row { const char* name; std::int64_t now, due; };
  const Row rows[] = {{"first at once", 1000, 1000},   {"early call waits", 1010, 1100},
                      {"on time", 1100, 1200},         {"slightly late keeps pace", 1250, 1300},
                      {"stall restarts from now", 2000, 2000}};
  for (const Row& row : rows) EXPECT_EQ(schedule.NextFrameStart(row.now), row.due) << row.name;
}

// Swaps that return at once are found out from the frame rate, also when
// they start to race only after slow frames (the switch to full screen) or a
// machine busy for the first seconds, which slows even free swaps; waiting
// ones are left alone.
TEST(SwapWaitCheck, FindsSwapsThatDoNotWait) {
  using enum SwapWaitCheck::Verdict;
  struct Row { const char* name; int slowFrames; std::int64_t slowNs; int frames; std::int64_t frameNs; SwapWaitCheck::Verdict verdict; };
  const Row rows[] = {{"600 fps on a 60 Hz display", 0, 0, 200, 1'666'666, kSwapsDoNotWait},
                      {"one frame per refresh", 0, 0, 200, 16'666'666, kSwapsWait},
                      {"a 100 Hz display reported as 60 Hz", 0, 0, 200, 10'000'000, kSwapsWait},
                      {"too few frames to tell", 0, 0, 39, 1'666'666, kWatching},
                      {"after a slow start", 10, 200'000'000, 50, 1'000'000, kSwapsDoNotWait},
                      {"after a busy start", 200, 27'000'000, 200, 1'000'000, kSwapsDoNotWait}};
  for (const Row& row : rows) {
    SwapWaitCheck check(16'666'666);
    SwapWaitCheck::Verdict verdict = kWatching;
    std::int64_t now = 0;
    for (int frame = 0; frame < row.slowFrames + row.frames; ++frame)
      verdict = check.FrameStarted(now += frame < row.slowFrames ? row.slowNs : row.frameNs);
    EXPECT_EQ(verdict, row.verdict) << row.name;
  }
}

// A swap interval is asked for only when its extension is really listed:
// "GLX_EXT_swap_control_tear" does not offer "GLX_EXT_swap_control".
TEST(ExtensionList, MatchesWholeNamesOnly) {
  const char* list = "GLX_ARB_multisample GLX_EXT_swap_control_tear GLX_SGI_swap_control ";
  EXPECT_TRUE(ExtensionListed(list, "GLX_SGI_swap_control"));
  EXPECT_FALSE(ExtensionListed(list, "GLX_EXT_swap_control"));
}

}  // namespace
