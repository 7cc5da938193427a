// The ramp's pixels and its BMP encoding. Even rows run yellow to red, odd
// rows red to yellow; the top row is a blue-to-yellow line that the fire
// never shows.
#include <array>

#include "common/palette_ramp.h"

namespace blazemere {

namespace {

constexpr int kSide = 32;
constexpr std::uint32_t kHeaderBytes = 54;
constexpr std::uint32_t kPixelBytes = kSide * kSide * 3;

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

constexpr std::array<std::uint8_t, kSide> kEvenRowGreen = {
    242, 234, 226, 219, 211, 203, 195, 188, 180, 172, 164, 157, 149, 141, 133, 126,
    118, 110, 102, 95,  87,  79,  71,  64,  56,  48,  40,  32,  25,  17,  9,   1};

constexpr std::array<std::uint8_t, kSide> kOddRowGreen = {
    15,  22,  30,  38,  46,  53,  61,  69,  77,  84,  92,  100, 108, 115, 123, 131,
    139, 146, 154, 162, 170, 177, 185, 193, 201, 208, 216, 224, 232, 240, 247, 249};

constexpr std::array<Rgb, kSide> kTopRow = {{
    {54, 80, 239},   {60, 85, 232},   {67, 91, 224},   {73, 97, 216},   {80, 103, 208},  {86, 108, 201},
    {92, 114, 193},  {99, 120, 185},  {106, 125, 177}, {112, 131, 170}, {118, 136, 163}, {125, 142, 155},
    {132, 148, 147}, {138, 153, 140}, {144, 159, 132}, {151, 165, 124}, {158, 170, 116}, {164, 176, 109},
    {170, 181, 101}, {177, 187, 93},  {184, 193, 85},  {189, 198, 79},  {196, 204, 71},  {203, 210, 63},
    {210, 216, 55},  {215, 221, 48},  {222, 226, 40},  {229, 232, 32},  {235, 238, 24},  {242, 244, 16},
    {248, 249, 9},   {255, 249, 0},
}};

// Row 0 is the bottom row.
Rgb RampPixel(int row, int column) {
  if (row == kSide - 1) return kTopRow[column];
  const auto& greens = (row % 2 == 0) ? kEvenRowGreen : kOddRowGreen;
  return Rgb{255, greens[column], 0};
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutHeaders(std::vector<std::uint8_t>& out) {
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<std::uint32_t>(kPaletteRampFileSize));
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, kHeaderBytes);
  Put32(out, 40);     // info header size
  Put32(out, kSide);  // width
  Put32(out, kSide);  // height, positive: bottom row first
  Put16(out, 1);      // planes
  Put16(out, 24);     // bits per pixel
  Put32(out, 0);      // no compression
  Put32(out, kPixelBytes);
  Put32(out, 0);  // horizontal resolution
  Put32(out, 0);  // vertical resolution
  Put32(out, 0);  // colours used
  Put32(out, 0);  // colours important
}

}  // namespace

std::vector<std::uint8_t> PaletteRampBmpFile() {
  std::vector<std::uint8_t> file;
  file.reserve(kPaletteRampFileSize);
  PutHeaders(file);
  // 32 pixels of 3 bytes make 96-byte rows: no padding needed.
  for (int row = 0; row < kSide; ++row) {
    for (int column = 0; column < kSide; ++column) {
      const Rgb pixel = RampPixel(row, column);
      file.push_back(pixel.blue);
      file.push_back(pixel.green);
      file.push_back(pixel.red);
    }
  }
  return file;
}

}  // namespace blazemere
