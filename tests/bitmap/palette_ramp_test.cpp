// The built-in ramp file, byte-exact against the picture it must hold; the
// host's tests show it written to its path.
#include <gtest/gtest.h>

#include "common/palette_ramp.h"
#include "tests/support/bmp_builder.h"

namespace blazemere::host {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The picture's pixels as stored: blue, green, red, bottom row first.
Bytes RampPixels() {
  const int evenGreen[32] = {242, 234, 226, 219, 211, 203, 195, 188, 180, 172, 164, 157, 149, 141, 133, 126,
                             118, 110, 102, 95,  87,  79,  71,  64,  56,  48,  40,  32,  25,  17,  9,   1};
  const int oddGreen[32] = {15,  22,  30,  38,  46,  53,  61,  69,  77,  84,  92,  100, 108, 115, 123, 131,
                            139, 146, 154, 162, 170, 177, 185, 193, 201, 208, 216, 224, 232, 240, 247, 249};
  const int topRgb[32][3] = {{54, 80, 239},   {60, 85, 232},   {67, 91, 224},   {73, 97, 216},   {80, 103, 208},  {86, 108, 201},
      {92, 114, 193},  {99, 120, 185},  {106, 125, 177}, {112, 131, 170}, {118, 136, 163}, {125, 142, 155},
      {132, 148, 147}, {138, 153, 140}, {144, 159, 132}, {151, 165, 124}, {158, 170, 116}, {164, 176, 109},
      {170, 181, 101}, {177, 187, 93},  {184, 193, 85},  {189, 198, 79},  {196, 204, 71},  {203, 210, 63},
      {210, 216, 55},  {215, 221, 48},  {222, 226, 40},  {229, 232, 32},  {235, 238, 24},  {242, 244, 16},
      {248, 249, 9},   {255, 249, 0}};
  Bytes bits;
  for (int row = 0; row < 32; ++row) {
    for (int column = 0; column < 32; ++column) {
      const int* top = topRgb[column];
      const int green = row % 2 == 0 ? evenGreen[column] : oddGreen[column];
      for (const int value : {row == 31 ? top[2] : 0, row == 31 ? top[1] : green, row == 31 ? top[0] : 255})
        bits.push_back(static_cast<std::uint8_t>(value));
    }
  }
  return bits;
}

TEST(PaletteRamp, FileIsByteExact) {
  const Bytes file = PaletteRampBmpFile();
  ASSERT_EQ(file.size(), 3126u);
  const Bytes expected = testing::BuildBmp({.width = 32, .height = 32, .imageSize = 3072, .bits = RampPixels()});
  for (std::size_t at = 0; at < file.size(); ++at) ASSERT_EQ(file[at], expected[at]) << "byte " << at;
}

}  // namespace
}  // namespace blazemere::host
