// The built-in ramp file: byte-exact against the values it is made of, read
// back through the renderer's reader, and written without leftovers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/resources/palette/palette_ramp.h"
#include "renderer/dib/dib_image_loader.h"
#include "tests/bitmap/dib_test_files.h"

namespace blazemere::host {
namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

TEST(PaletteRamp, HeadersAreExact) {
  const std::vector<std::uint8_t> file = PaletteRampBmpFile();
  ASSERT_EQ(file.size(), 3126u);
  struct Field {
    const char* name;
    std::size_t offset;
    std::uint32_t value;
    int bytes;
  };
  const Field fields[] = {
      {"magic", 0, 0x4D42, 2},      {"file size", 2, 3126, 4},   {"reserved", 6, 0, 4},
      {"pixel offset", 10, 54, 4},  {"header size", 14, 40, 4},  {"width", 18, 32, 4},
      {"height", 22, 32, 4},        {"planes", 26, 1, 2},        {"bit count", 28, 24, 2},
      {"compression", 30, 0, 4},    {"image size", 34, 3072, 4}, {"x resolution", 38, 0, 4},
      {"y resolution", 42, 0, 4},   {"colours used", 46, 0, 4},  {"colours important", 50, 0, 4},
  };
  for (const Field& field : fields) {
    const std::uint32_t got = field.bytes == 2 ? (file[field.offset] | (file[field.offset + 1] << 8))
                                               : Le32(file, field.offset);
    EXPECT_EQ(got, field.value) << field.name;
  }
}

// Pixel (row, column) as blue, green, red at its place in the file.
std::array<std::uint8_t, 3> Bgr(const std::vector<std::uint8_t>& file, int row, int column) {
  const std::size_t at = 54 + static_cast<std::size_t>(row * 96 + column * 3);
  return {file[at], file[at + 1], file[at + 2]};
}

TEST(PaletteRamp, PixelsFollowTheRamp) {
  const std::vector<std::uint8_t> file = PaletteRampBmpFile();
  struct Probe {
    int row;
    int column;
    std::array<std::uint8_t, 3> bgr;
  };
  const Probe probes[] = {
      {0, 0, {0, 242, 255}},   {0, 31, {0, 1, 255}},     {30, 15, {0, 126, 255}}, {1, 0, {0, 15, 255}},
      {29, 31, {0, 249, 255}}, {1, 17, {0, 146, 255}},   {31, 0, {239, 80, 54}},  {31, 21, {79, 198, 189}},
      {31, 31, {0, 249, 255}}, {7, 31, {0, 249, 255}},
  };
  for (const Probe& probe : probes)
    EXPECT_EQ(Bgr(file, probe.row, probe.column), probe.bgr) << "row " << probe.row << " column " << probe.column;
  for (int row = 2; row < 31; ++row)
    EXPECT_TRUE(std::equal(file.begin() + 54 + row * 96, file.begin() + 54 + (row + 1) * 96,
                           file.begin() + 54 + (row % 2) * 96))
        << "row " << row;
}

TEST(PaletteRamp, ReaderReadsItBack) {
  const std::vector<std::uint8_t> file = PaletteRampBmpFile();
  const renderer::DibDecodeResult result = renderer::DecodeDib(file);
  ASSERT_NE(result.image, nullptr) << result.message;
  EXPECT_EQ(result.image->width, 32);
  EXPECT_EQ(result.image->height, 32);
  const std::uint8_t* data = result.image->data;
  EXPECT_EQ((std::array<std::uint8_t, 3>{data[0], data[1], data[2]}), (std::array<std::uint8_t, 3>{255, 242, 0}));
  EXPECT_EQ((std::array<std::uint8_t, 3>{data[96], data[97], data[98]}), (std::array<std::uint8_t, 3>{255, 15, 0}));
  EXPECT_EQ((std::array<std::uint8_t, 3>{data[765], data[766], data[767]}),
            (std::array<std::uint8_t, 3>{255, 249, 0}));
  renderer::FreePaletteImage(result.image);
}

TEST(PaletteRamp, WriteReplacesTheOldFileAndLeavesNothingElse) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(::testing::TempDir()) / "bitmap_palette_write";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path target = folder / "Blazemere.bmp";
  std::ofstream(target) << "an older, shorter file";

  ASSERT_TRUE(WritePaletteRampFile(target.string()));
  EXPECT_EQ(testing::ReadFileBytes(target.string()), PaletteRampBmpFile());
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

  EXPECT_FALSE(WritePaletteRampFile((folder / "missing" / "Blazemere.bmp").string()));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace blazemere::host
