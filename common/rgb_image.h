// The one 24-bit picture type of the project: decoded JPEG pictures, the
// button's state pictures and painted surface, the preview picture and test
// screenshots all travel as an RgbImage. Plain data, no X or toolkit inside;
// it sits in the project's outermost namespace because every part uses it.
#pragma once

#include <cstdint>
#include <vector>

namespace blazemere {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // R, G, B per pixel, top row first

  RgbImage() = default;
  // Every pixel `rgb`; negative sides count as 0.
  RgbImage(int w, int h, std::uint32_t rgb = 0);

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  std::uint32_t At(int x, int y) const;  // 0xRRGGBB; 0 outside the picture
  void Set(int x, int y, std::uint32_t rgb);  // ignored outside the picture
  bool operator==(const RgbImage&) const = default;
};

}  // namespace blazemere
