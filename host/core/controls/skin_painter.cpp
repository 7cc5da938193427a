// The button's drawing routine: gradient, eight picture pieces, caption box.
#include "host/core/controls/skin_painter.h"

#include <algorithm>

namespace blazemere::controls {
namespace {

constexpr int kCorner = 4;  // pixels of the picture's outer band

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Channel c of colour `from` moved `step` of `steps` of the way to `to`,
// rounded to the nearest level.
std::uint32_t Blend(std::uint32_t from, std::uint32_t to, long long step, long long steps) {
  std::uint32_t result = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    const long long a = (from >> shift) & 0xFF;
    const long long b = (to >> shift) & 0xFF;
    const long long channel = a + ((b - a) * step * 2 + (b >= a ? steps : -steps)) / (2 * steps);
    result |= static_cast<std::uint32_t>(channel) << shift;
  }
  return result;
}

// Copies `source` of the picture onto `destination` of the surface, scaling
// by nearest neighbour; pixels outside the surface are dropped.
void CopyPiece(const RgbImage& picture, Rect source, RgbImage& surface, Rect destination) {
  if (source.width <= 0 || source.height <= 0 || destination.width <= 0 || destination.height <= 0) return;
  for (int dy = 0; dy < destination.height; ++dy) {
    const int y = destination.y + dy;
    if (y < 0 || y >= surface.height) continue;
    const int sy = source.y + static_cast<int>(static_cast<long long>(dy) * source.height / destination.height);
    for (int dx = 0; dx < destination.width; ++dx) {
      const int x = destination.x + dx;
      if (x < 0 || x >= surface.width) continue;
      const int sx = source.x + static_cast<int>(static_cast<long long>(dx) * source.width / destination.width);
      surface.Set(x, y, picture.At(sx, sy));
    }
  }
}

}  // namespace

void PaintBackground(RgbImage& surface, bool invertGradient) {
  const std::uint32_t top = invertGradient ? kGradientShade : kGradientLight;
  const std::uint32_t bottom = invertGradient ? kGradientLight : kGradientShade;
  const int lastRow = surface.height - 1;  // the far vertex sits on the bottom row
  for (int y = 0; y < lastRow; ++y) {
    const std::uint32_t colour = Blend(top, bottom, y, lastRow);
    for (int x = 0; x + 1 < surface.width; ++x) surface.Set(x, y, colour);
  }
}

RgbImage PaintSkin(const RgbImage& picture, int widthPixels, int heightPixels, bool invertGradient) {
  RgbImage surface(widthPixels, heightPixels, kControlBackground);
  PaintBackground(surface, invertGradient);
  const int w = surface.width;
  const int h = surface.height;
  const int middleWidth = picture.width - 2 * kCorner;
  const int middleHeight = picture.height - 2 * kCorner;
  const int right = picture.width - kCorner;
  const int bottom = picture.height - kCorner;
  // Too small a control gets no edges (their length would be zero or less);
  // the corners are clipped to the surface, later ones over earlier ones.
  CopyPiece(picture, {0, 0, kCorner, kCorner}, surface, {0, 0, kCorner, kCorner});
  CopyPiece(picture, {kCorner, 0, middleWidth, kCorner}, surface, {kCorner, 0, w - 2 * kCorner, kCorner});
  CopyPiece(picture, {right, 0, kCorner, kCorner}, surface, {w - kCorner, 0, kCorner, kCorner});
  CopyPiece(picture, {right, kCorner, kCorner, middleHeight}, surface,
            {w - kCorner, kCorner, kCorner, h - 2 * kCorner});
  CopyPiece(picture, {right, bottom, kCorner, kCorner}, surface, {w - kCorner, h - kCorner, kCorner, kCorner});
  CopyPiece(picture, {kCorner, bottom, middleWidth, kCorner}, surface,
            {kCorner, h - kCorner, w - 2 * kCorner, kCorner});
  CopyPiece(picture, {0, bottom, kCorner, kCorner}, surface, {0, h - kCorner, kCorner, kCorner});
  CopyPiece(picture, {0, kCorner, kCorner, middleHeight}, surface, {0, kCorner, kCorner, h - 2 * kCorner});
  return surface;
}

CaptionPlacement PlaceCaption(int widthPixels, int heightPixels) {
  CaptionPlacement placement;
  const double heightTwips = static_cast<double>(heightPixels) * kTwipsPerPixel;
  placement.top = (heightTwips - kCaptionHeightTwips - 20) / 2 / kTwipsPerPixel;
  placement.left = 0;
  placement.width = std::max(widthPixels, 0);
  return placement;
}

}  // namespace blazemere::controls
