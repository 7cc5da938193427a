// Small BMP files built field by field for the tests, written independently
// of the reader's own code, so each test states only what it changes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace blazemere::testing {

struct BmpSpec {
  bool fileHeader = true;
  std::uint32_t headerSize = 40;
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t imageSize = 0;
  std::uint32_t colorsUsed = 0;
  std::vector<std::uint32_t> masks;                 // written right after the header
  std::vector<std::array<std::uint8_t, 3>> colors;  // R, G, B; entry size follows the header kind
  std::optional<std::uint32_t> pixelOffset;         // default: right after the colour table
  std::vector<std::uint8_t> bits;
};

std::vector<std::uint8_t> BuildBmp(const BmpSpec& spec);


}  // namespace blazemere::testing
