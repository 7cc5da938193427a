// A plain 24-bit picture: what the button's state pictures, its painted
// surface and the test screenshots have in common.
#pragma once

#include <cstdint>
#include <vector>

namespace blazemere::controls {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // R, G, B per pixel, top row first

  RgbImage() = default;
  RgbImage(int w, int h, std::uint32_t rgb = 0);

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  std::uint32_t At(int x, int y) const;  // 0xRRGGBB
  void Set(int x, int y, std::uint32_t rgb);
  bool operator==(const RgbImage&) const = default;
};

}  // namespace blazemere::controls
