// Header side of the bitmap reader: the two header kinds a BMP may carry (the
// 12-byte core header and the 40-byte info header), with or without the
// 14-byte file header in front.
#include "renderer/core/dib/dib_header.h"

#include <algorithm>

#include "renderer/core/dib/dib_bytes.h"
#include "renderer/core/dib/dib_decoder.h"

namespace blazemere::renderer {

namespace {

using dib_bytes::Has;
using dib_bytes::U16;
using dib_bytes::U32;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kPixelOffsetField = 10;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kMaskBytes = 12;

bool HasFileHeader(std::span<const std::uint8_t> file) {
  return file.size() >= 2 && file[0] == 'B' && file[1] == 'M';
}

DibWorkingHeader FromCoreHeader(std::span<const std::uint8_t> header, std::uint16_t colorCount) {
  DibWorkingHeader working;
  working.width = U16(header, 4);
  working.height = U16(header, 6);
  working.planes = U16(header, 8);
  working.bitCount = U16(header, 10);
  working.colorsUsed = colorCount;
  working.colorsImportant = colorCount;
  return working;
}

DibWorkingHeader FromInfoHeader(std::span<const std::uint8_t> header) {
  DibWorkingHeader working;
  working.width = static_cast<std::int32_t>(U32(header, 4));
  working.height = static_cast<std::int32_t>(U32(header, 8));
  working.planes = U16(header, 12);
  working.bitCount = U16(header, 14);
  working.compression = U32(header, 16);
  working.imageSize = U32(header, 20);
  working.xPelsPerMeter = static_cast<std::int32_t>(U32(header, 24));
  working.yPelsPerMeter = static_cast<std::int32_t>(U32(header, 28));
  working.colorsUsed = U32(header, 32);
  working.colorsImportant = U32(header, 36);
  return working;
}

// Without a row alignment, as the size has always been filled in. Nothing
// below relies on it: rows are bounded by the file itself.
void FixUpSizes(DibWorkingHeader& header, std::uint16_t colorCount) {
  if (header.imageSize == 0) {
    const std::uint32_t rowBytes =
        (static_cast<std::uint32_t>(header.bitCount) * static_cast<std::uint32_t>(header.width) + 7u) / 8u;
    header.imageSize = rowBytes * static_cast<std::uint32_t>(header.height);
  }
  if (header.colorsUsed == 0) header.colorsUsed = colorCount;
}

// A 16- or 32-bit bitmap with bit fields keeps its three masks right after
// the 40-byte header; without bit fields the fixed layouts apply.
bool UsesBitFields(const DibWorkingHeader& header, std::uint32_t headerSize) {
  return headerSize == kInfoHeaderSize &&
         header.compression == static_cast<std::uint32_t>(DibCompression::kBitFields);
}

DibChannelMasks DefaultMasks(std::uint16_t bitCount) {
  if (bitCount == 16) return {0x7C00u, 0x03E0u, 0x001Fu};
  return {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
}

}  // namespace

std::variant<DibLayout, std::string> ReadDibLayout(std::span<const std::uint8_t> file) {
  const bool fileHeader = HasFileHeader(file);
  const std::size_t headerStart = fileHeader ? kFileHeaderSize : 0;
  if (!Has(file, headerStart, 4)) return std::string(kUnknownFormatMessage);
  const std::span<const std::uint8_t> header = file.subspan(headerStart);
  const std::uint32_t headerSize = U32(header, 0);
  if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize) return std::string(kUnknownFormatMessage);
  // A header cut short by the end of the file is no header we can read.
  if (header.size() < headerSize) return std::string(kUnknownFormatMessage);

  const std::uint16_t colorCount = DibColorCount(header);
  DibLayout layout;
  const bool core = headerSize == kCoreHeaderSize;
  layout.header = core ? FromCoreHeader(header, colorCount) : FromInfoHeader(header);
  FixUpSizes(layout.header, colorCount);

  const bool bitFields = UsesBitFields(layout.header, headerSize);
  layout.masks = DefaultMasks(layout.header.bitCount);
  if (bitFields) {
    if (!Has(header, kInfoHeaderSize, kMaskBytes)) return std::string(kConversionErrorMessage);
    layout.masks = {U32(header, 40), U32(header, 44), U32(header, 48)};
  }

  // The masks sit between header and colour table; the table itself is only
  // used by the indexed bit counts, but it always lies before headerless bits.
  const std::size_t entryBytes = core ? 3 : 4;
  const std::size_t tableStart = headerSize + (bitFields ? kMaskBytes : 0);
  const std::size_t tableBytes = static_cast<std::size_t>(colorCount) * entryBytes;
  if (!Has(header, tableStart, tableBytes)) return std::string(kConversionErrorMessage);
  const std::size_t usable = std::min<std::size_t>(colorCount, layout.colors.size());
  for (std::size_t i = 0; i < usable; ++i) {
    const std::size_t at = tableStart + i * entryBytes;
    layout.colors[i] = DibRgb{header[at + 2], header[at + 1], header[at]};
  }

  const std::size_t bitsOffset = fileHeader ? U32(file, kPixelOffsetField) : tableStart + tableBytes;
  layout.bits = bitsOffset <= file.size() ? file.subspan(bitsOffset) : std::span<const std::uint8_t>{};
  return layout;
}

}  // namespace blazemere::renderer
