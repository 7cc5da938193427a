// Colour-table size of a bitmap header, shared by the header reader and the
// reader's callers.
#include "renderer/core/dib/dib_decoder.h"

#include "renderer/core/dib/dib_bytes.h"

namespace blazemere::renderer {

namespace {
constexpr std::uint32_t kCoreHeaderSize = 12;

std::uint16_t ColorCountForBitCount(std::uint16_t bitCount) {
  switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}
}  // namespace

std::uint16_t DibColorCount(std::span<const std::uint8_t> header) {
  const auto size = dib_bytes::ReadU32(header, 0);
  if (!size) return 0;
  if (*size == kCoreHeaderSize) {
    const auto bitCount = dib_bytes::ReadU16(header, 10);
    return bitCount ? ColorCountForBitCount(*bitCount) : 0;
  }
  // Every other header is read as an info header: colours used at 32, bit
  // count at 14.
  const auto colorsUsed = dib_bytes::ReadU32(header, 32);
  if (colorsUsed && *colorsUsed != 0) return static_cast<std::uint16_t>(*colorsUsed & 0xFFFFu);
  const auto bitCount = dib_bytes::ReadU16(header, 14);
  return bitCount ? ColorCountForBitCount(*bitCount) : 0;
}

}  // namespace blazemere::renderer
