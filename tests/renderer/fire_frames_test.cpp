// fire-frames run as a user runs it: the PPM it writes, its palette choices
// and its failures.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/renderer/bmp_builder.h"
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
  ToolRun run;
  run.status = child.WaitForExit(std::chrono::seconds(30));
  run.out = child.StandardOutput();
  run.err = child.StandardError();
  return run;
}

// Row 0 is the top of the picture (heat row 127).
Rgb PixelAt(const std::string& ppm, int x, int row) {
  const std::size_t at = kPpmHeader + (static_cast<std::size_t>(row) * 128 + x) * 3;
  return {static_cast<std::uint8_t>(ppm[at]), static_cast<std::uint8_t>(ppm[at + 1]),
          static_cast<std::uint8_t>(ppm[at + 2])};
}

std::string Hex(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x%02x%02x", c.r, c.g, c.b);
  return text;
}

TEST(FireFrames, WritesUprightFrameWithBuiltInRamp) {
  const ToolRun run = FireFrames({"1"});
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(run.out.size(), kPpmHeader + 49152);
  EXPECT_EQ(run.out.substr(0, kPpmHeader), "P6\n128 128\n255\n");
  // Bottom heat row after frame 1: rand() % 256 = 41, 35, 190, 132 -> ramp
  // entries in rows 1, 1, 5, 4 of the picture, columns 9, 3, 30, 4.
  struct Row { const char* name; int x, row; const char* rgb; };
  const Row rows[] = {{"top edge cold", 64, 0, "fff200"},    {"heat 41", 0, 127, "ff5400"},
                      {"heat 35", 1, 127, "ff2600"},         {"heat 190", 2, 127, "fff700"},
                      {"heat 132", 3, 127, "ffd300"},        {"left edge cold", 0, 60, "fff200"}};
  for (const Row& row : rows) EXPECT_EQ(Hex(PixelAt(run.out, row.x, row.row)), row.rgb) << row.name;
}

TEST(FireFrames, ReadsPaletteFile) {
  const std::string path = MakeScratchFolder("fire-frames") + "/grey.bmp";
  const auto bmp = BuildBmp24(40, 16, 16, [](int x, int y) {
    const auto v = static_cast<std::uint8_t>(y * 16 + x);
    return Rgb{v, v, v};
  });
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  const ToolRun run = FireFrames({"1", path});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Hex(PixelAt(run.out, 0, 127)), "292929") << "entry 41 of a grey ramp";
  EXPECT_EQ(Hex(PixelAt(run.out, 0, 0)), "000000");
}

TEST(FireFrames, FailsClearly) {
  struct Row { const char* name; std::vector<std::string> arguments; int status; const char* message; };
  const Row rows[] = {{"missing palette", {"3", "/nonexistent/palette.bmp"}, 1, "Failed to open DIB file /nonexistent/palette.bmp."},
                      {"no frame count", {}, 2, "usage"},
                      {"frame count not a number", {"12x"}, 2, "usage"},
                      {"negative frame count", {"-1"}, 2, "usage"}};
  for (const Row& row : rows) {
    const ToolRun run = FireFrames(row.arguments);
    EXPECT_EQ(run.status, row.status) << row.name;
    EXPECT_NE(run.err.find(row.message), std::string::npos) << row.name << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << row.name;
  }
}

}  // namespace
