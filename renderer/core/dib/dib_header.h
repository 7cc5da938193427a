// Reads the file header (if any), the bitmap header, the colour table and the
// bit-field masks of a BMP file into one working description, and finds the
// pixel bits. Knows nothing of pixels themselves.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace blazemere::renderer {

enum class DibCompression : std::uint32_t { kNone = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

struct DibRgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// The 40-byte header the conversion works from, whatever header the file had.
struct DibWorkingHeader {
  std::uint32_t size = 40;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t imageSize = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t colorsUsed = 0;
  std::uint32_t colorsImportant = 0;
};

// Red, green, blue masks of a 16- or 32-bit pixel.
using DibChannelMasks = std::array<std::uint32_t, 3>;

struct DibLayout {
  DibWorkingHeader header;
  // Entries 0..255 of the colour table; an index beyond the file's table
  // reads black.
  std::array<DibRgb, 256> colors{};
  DibChannelMasks masks{};
  // From the pixel offset to the end of the file (possibly empty).
  std::span<const std::uint8_t> bits;
};

// The layout, or the message for a file that is not a bitmap we know
// ("Unknown DIB file format.", "Image file conversion error.").
std::variant<DibLayout, std::string> ReadDibLayout(std::span<const std::uint8_t> file);

}  // namespace blazemere::renderer
