// Uncompressed pixel rows: indexed colours through the colour table, 16 and
// 32 bits through channel masks (the fixed 5-5-5 / 8-8-8 layouts or the
// file's bit fields), 24 bits as blue, green, red.
#include <bit>

#include "renderer/core/dib/dib_pixel_decoders.h"

namespace blazemere::renderer {

namespace {

struct ChannelShape {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
};

ChannelShape ShapeOf(std::uint32_t mask) {
  if (mask == 0) return {};
  const int shift = std::countr_zero(mask);
  return {mask, shift, static_cast<int>(std::bit_width(mask >> shift))};
}

// Narrow channels are widened by repeating their bits, so full scale stays
// full scale (31 -> 255, 63 -> 255); wide ones keep their top eight bits.
std::uint8_t ExtractChannel(std::uint32_t pixel, const ChannelShape& shape) {
  if (shape.bits == 0) return 0;
  const std::uint32_t value = (pixel & shape.mask) >> shape.shift;
  if (shape.bits >= 8) return static_cast<std::uint8_t>(value >> (shape.bits - 8));
  std::uint32_t widened = 0;
  int filled = 0;
  while (filled < 8) {
    widened = (widened << shape.bits) | value;
    filled += shape.bits;
  }
  return static_cast<std::uint8_t>(widened >> (filled - 8));
}

std::uint32_t PixelWord(const std::uint8_t* at, int bytes) {
  std::uint32_t word = 0;
  for (int i = bytes - 1; i >= 0; --i) word = (word << 8) | at[i];
  return word;
}

void PutRgb(std::uint8_t* out, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  out[0] = red;
  out[1] = green;
  out[2] = blue;
}

void DecodeIndexedRow(const std::uint8_t* row, const DibLayout& layout, std::size_t width, std::uint8_t* out) {
  const int bitCount = layout.header.bitCount;
  const unsigned indexMask = (1u << bitCount) - 1u;
  for (std::size_t x = 0; x < width; ++x) {
    const std::size_t bitPosition = x * static_cast<std::size_t>(bitCount);
    const int shift = 8 - bitCount - static_cast<int>(bitPosition % 8);
    const unsigned index = (row[bitPosition / 8] >> shift) & indexMask;
    const DibRgb& color = layout.colors[index];
    PutRgb(out + x * 3, color.red, color.green, color.blue);
  }
}

void DecodeMaskedRow(const std::uint8_t* row, const DibLayout& layout, std::size_t width, std::uint8_t* out) {
  const int bytes = layout.header.bitCount / 8;
  const ChannelShape red = ShapeOf(layout.masks[0]);
  const ChannelShape green = ShapeOf(layout.masks[1]);
  const ChannelShape blue = ShapeOf(layout.masks[2]);
  for (std::size_t x = 0; x < width; ++x) {
    const std::uint32_t pixel = PixelWord(row + x * bytes, bytes);
    PutRgb(out + x * 3, ExtractChannel(pixel, red), ExtractChannel(pixel, green), ExtractChannel(pixel, blue));
  }
}

void DecodeBgrRow(const std::uint8_t* row, std::size_t width, std::uint8_t* out) {
  for (std::size_t x = 0; x < width; ++x) PutRgb(out + x * 3, row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
}

std::size_t RowBits(const DibLayout& layout, std::size_t width) { return width * layout.header.bitCount; }
std::size_t Stride(std::size_t rowBits) { return (rowBits + 31) / 32 * 4; }

}  // namespace

// The platform conversion checks that its source covers every row the header
// promises before it converts any, so a cut-off file converts no line at all
// rather than a part of the picture.
bool UncompressedBitsPresent(const DibLayout& layout, std::size_t width, std::size_t rows) {
  const std::size_t rowBits = RowBits(layout, width);
  const std::size_t rowBytes = (rowBits + 7) / 8;
  const std::size_t stride = Stride(rowBits);
  if (rows == 0 || stride == 0 || layout.bits.size() < rowBytes) return false;
  return rows - 1 <= (layout.bits.size() - rowBytes) / stride;
}

bool DecodeUncompressedRows(const DibLayout& layout, DibTarget target) {
  if (!UncompressedBitsPresent(layout, target.width, target.rows)) return false;
  const std::size_t bitCount = layout.header.bitCount;
  const std::size_t stride = Stride(RowBits(layout, target.width));
  for (std::size_t y = 0; y < target.rows; ++y) {
    const std::uint8_t* row = layout.bits.data() + y * stride;
    std::uint8_t* out = target.pixels.data() + y * target.width * 3;
    switch (bitCount) {
      case 1:
      case 4:
      case 8: DecodeIndexedRow(row, layout, target.width, out); break;
      case 16:
      case 32: DecodeMaskedRow(row, layout, target.width, out); break;
      case 24: DecodeBgrRow(row, target.width, out); break;
      default: return false;
    }
  }
  return true;
}

}  // namespace blazemere::renderer
