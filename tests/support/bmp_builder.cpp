// BMP files for tests, written independently of the reader's own code.
#include "tests/support/bmp_builder.h"


namespace blazemere::testing {

namespace {
// Little-endian, `bytes` long.
void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
}  // namespace

std::vector<std::uint8_t> BuildBmp(const BmpSpec& spec) {
  const int sizeBytes = spec.headerSize == 12 ? 2 : 4;  // the core header's width and height are 16-bit
  std::vector<std::uint8_t> header;
  Put(header, spec.headerSize, 4);
  Put(header, static_cast<std::uint32_t>(spec.width), sizeBytes);
  Put(header, static_cast<std::uint32_t>(spec.height), sizeBytes);
  Put(header, 1, 2);
  Put(header, spec.bitCount, 2);
  if (spec.headerSize != 12) {
    for (const std::uint32_t field : {spec.compression, spec.imageSize, 0u, 0u, spec.colorsUsed, 0u}) Put(header, field, 4);
    header.resize(spec.headerSize, 0);
  }
  for (const std::uint32_t mask : spec.masks) Put(header, mask, 4);
  for (const auto& color : spec.colors) {
    header.insert(header.end(), {color[2], color[1], color[0]});
    if (spec.headerSize != 12) header.push_back(0);
  }

  std::vector<std::uint8_t> file;
  if (spec.fileHeader) {
    file = {'B', 'M'};
    Put(file, static_cast<std::uint32_t>(14 + header.size() + spec.bits.size()), 4);
    Put(file, 0, 4);
    Put(file, spec.pixelOffset.value_or(static_cast<std::uint32_t>(14 + header.size())), 4);
  }
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), spec.bits.begin(), spec.bits.end());
  return file;
}

}  // namespace blazemere::testing
