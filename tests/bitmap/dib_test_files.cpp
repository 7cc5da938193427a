// BMP files for tests, written independently of the reader's own code.
#include "tests/bitmap/dib_test_files.h"

#include <fstream>
#include <iterator>

namespace blazemere::testing {

namespace {
void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFFu);
  Put16(out, value >> 16);
}
}  // namespace

std::vector<std::uint8_t> BuildBmp(const BmpSpec& spec) {
  std::vector<std::uint8_t> header;
  Put32(header, spec.headerSize);
  if (spec.headerSize == 12) {
    Put16(header, static_cast<std::uint32_t>(spec.width));
    Put16(header, static_cast<std::uint32_t>(spec.height));
    Put16(header, 1);
    Put16(header, spec.bitCount);
  } else {
    Put32(header, static_cast<std::uint32_t>(spec.width));
    Put32(header, static_cast<std::uint32_t>(spec.height));
    Put16(header, 1);
    Put16(header, spec.bitCount);
    Put32(header, spec.compression);
    Put32(header, spec.imageSize);
    Put32(header, 0);
    Put32(header, 0);
    Put32(header, spec.colorsUsed);
    Put32(header, 0);
    header.resize(spec.headerSize, 0);
  }
  for (std::uint32_t mask : spec.masks) Put32(header, mask);
  for (const auto& color : spec.colors) {
    header.insert(header.end(), {color[2], color[1], color[0]});
    if (spec.headerSize != 12) header.push_back(0);
  }

  std::vector<std::uint8_t> file;
  if (spec.fileHeader) {
    const std::uint32_t offset = spec.pixelOffset.value_or(static_cast<std::uint32_t>(14 + header.size()));
    file = {'B', 'M'};
    Put32(file, static_cast<std::uint32_t>(14 + header.size() + spec.bits.size()));
    Put32(file, 0);
    Put32(file, offset);
  }
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), spec.bits.begin(), spec.bits.end());
  return file;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace blazemere::testing
