// Paints the button's whole surface from one state picture: a two-colour
// vertical gradient, then the picture's outer 4-pixel band cut into eight
// pieces, corners one to one and edges stretched along their length, so any
// button size keeps the picture's frame and the inside shows the gradient.
#pragma once

#include <cstdint>

#include "common/rgb_image.h"

namespace blazemere::controls {

inline constexpr std::uint32_t kGradientLight = 0xFFFFFF;
inline constexpr std::uint32_t kGradientShade = 0xC6C5D7;
inline constexpr std::uint32_t kControlBackground = 0xECE9D8;  // the button face colour
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kCaptionHeightTwips = 195;

// Fills columns 0..w-2 and rows 0..h-2 with the gradient running from the
// top row to row h-1: light on top, or shade on top when inverted.
void PaintBackground(RgbImage& surface, bool invertGradient);

[[nodiscard]] RgbImage PaintSkin(const RgbImage& picture, int widthPixels, int heightPixels, bool invertGradient);

// Where the caption element sits, in pixels (the top is fractional: the
// caption rides 10 twips above the exact middle).
struct CaptionPlacement {
  double top = 0;
  int left = 0;
  int width = 0;
  int height = kCaptionHeightTwips / kTwipsPerPixel;
  bool operator==(const CaptionPlacement&) const = default;
};
CaptionPlacement PlaceCaption(int widthPixels, int heightPixels);

}  // namespace blazemere::controls
