// Small BMP files built in the tests: 24-bit images with a chosen bitmap
// header size (40 for an ordinary file, 108 for a kind the reader rejects).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace blazemere::testing {

struct Rgb {
  std::uint8_t r, g, b;
};

// Rows bottom-up as stored, each padded to 4 bytes. `pixel(x, y)` gives the
// colour of column x of stored row y.
inline std::vector<std::uint8_t> BuildBmp24(std::uint32_t headerSize, std::int32_t width, std::int32_t height,
                                            const std::function<Rgb(int, int)>& pixel) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
  const std::uint32_t offset = 14 + headerSize;
  std::vector<std::uint8_t> file;
  auto put = [&file](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  file.push_back('B');
  file.push_back('M');
  put(offset + imageBytes, 4);
  put(0, 4);
  put(offset, 4);
  put(headerSize, 4);
  put(static_cast<std::uint32_t>(width), 4);
  put(static_cast<std::uint32_t>(height), 4);
  put(1, 2);
  put(24, 2);
  put(0, 4);
  put(imageBytes, 4);
  while (file.size() < offset) file.push_back(0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb c = pixel(x, y);
      file.insert(file.end(), {c.b, c.g, c.r});
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad) file.push_back(0);
  }
  return file;
}

}  // namespace blazemere::testing
