// fire-frames run as a user runs it: the PPM it writes, its palette choices
// and its failures.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/bmp_builder.h"
#include "tests/support/child_process.h"

namespace {

using namespace blazemere::testing;

constexpr std::size_t kPpmHeader = 15;  // "P6\n128 128\n255\n"

struct ToolRun {
  std::optional<int> status;
  std::string out;
  std::string err;
};

ToolRun FireFrames(const std::vector<std::string>& arguments) {
  ChildProcess child(BinDir() + "/fire-frames", arguments, {{"DISPLAY", ""}});
  const std::optional<int> status = child.WaitForExit(std::chrono::seconds(30));
  return {status, child.StandardOutput(), child.StandardError()};
}

// Row 0 is the top of the picture (heat row 127).
std::string HexAt(const std::string& ppm, int x, int row) {
  const std::size_t at = kPpmHeader + (static_cast<std::size_t>(row) * 128 + x) * 3;
  char text[8];
  std::snprintf(text, sizeof text, "%02x%02x%02x", ppm[at] & 0xFF, ppm[at + 1] & 0xFF, ppm[at + 2] & 0xFF);
  return text;
}

TEST(FireFrames, WritesUprightFrames) {
  // A palette file of 256 grey pixels, entry k being (k, k, k).
  const std::string grey = MakeScratchFolder("fire-frames") + "/grey.bmp";
  std::vector<std::uint8_t> bits;
  for (int k = 0; k < 256; ++k) bits.insert(bits.end(), 3, static_cast<std::uint8_t>(k));
  ASSERT_TRUE(WriteFileBytes(grey, BuildBmp({.width = 256, .height = 1, .bits = bits})));
  const ToolRun ramp = FireFrames({"1"});
  const ToolRun greyed = FireFrames({"1", grey});
  for (const ToolRun* run : {&ramp, &greyed}) {
    ASSERT_EQ(run->status, 0) << run->err;
    ASSERT_EQ(run->out.size(), kPpmHeader + 49152);
    EXPECT_EQ(run->out.substr(0, kPpmHeader), "P6\n128 128\n255\n");
  }
  // Bottom heat row after frame 1: rand() % 256 = 41, 35, 190; in the
  // built-in ramp those are row 1 columns 9 and 3, row 5 column 30.
  struct Row { const char* name; const ToolRun& run; int x, row; const char* rgb; };
  const Row rows[] = {{"top edge cold", ramp, 64, 0, "fff200"},    {"heat 41", ramp, 0, 127, "ff5400"},
                      {"heat 35", ramp, 1, 127, "ff2600"},         {"heat 190", ramp, 2, 127, "fff700"},
                      {"grey file: heat 41", greyed, 0, 127, "292929"}, {"grey file: cold", greyed, 0, 0, "000000"}};
  for (const Row& row : rows) EXPECT_EQ(HexAt(row.run.out, row.x, row.row), row.rgb) << row.name;
}

TEST(FireFrames, FailsClearly) {
  struct Row { const char* name; std::vector<std::string> arguments; int status; const char* message; };
  const Row rows[] = {{"missing palette", {"3", "/nonexistent/palette.bmp"}, 1, "Failed to open DIB file /nonexistent/palette.bmp."},
                      {"no frame count", {}, 2, "usage"},
                      {"frame count not a number", {"12x"}, 2, "usage"}};
  for (const Row& row : rows) {
    const ToolRun run = FireFrames(row.arguments);
    EXPECT_EQ(run.status, row.status) << row.name;
    EXPECT_NE(run.err.find(row.message), std::string::npos) << row.name << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << row.name;
  }
}

}  // namespace
