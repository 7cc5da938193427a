// Plain 24-bit picture: see rgb_image.h.
#include "common/rgb_image.h"

#include <cstddef>

namespace blazemere {

RgbImage::RgbImage(int w, int h, std::uint32_t rgb)
    : width(w > 0 ? w : 0), height(h > 0 ? h : 0), pixels(static_cast<std::size_t>(width) * height * 3) {
  for (std::size_t i = 0; i < pixels.size(); i += 3) {
    pixels[i] = static_cast<std::uint8_t>(rgb >> 16);
    pixels[i + 1] = static_cast<std::uint8_t>(rgb >> 8);
    pixels[i + 2] = static_cast<std::uint8_t>(rgb);
  }
}

std::uint32_t RgbImage::At(int x, int y) const {
  if (!Contains(x, y)) return 0;
  const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
  return (std::uint32_t{pixels[i]} << 16) | (std::uint32_t{pixels[i + 1]} << 8) | pixels[i + 2];
}

void RgbImage::Set(int x, int y, std::uint32_t rgb) {
  if (!Contains(x, y)) return;
  const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
  pixels[i] = static_cast<std::uint8_t>(rgb >> 16);
  pixels[i + 1] = static_cast<std::uint8_t>(rgb >> 8);
  pixels[i + 2] = static_cast<std::uint8_t>(rgb);
}

}  // namespace blazemere
