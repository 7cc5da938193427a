// Preview picture: see preview_picture.h.
#include "host/core/preview/preview_picture.h"

#include <algorithm>

namespace blazemere::host {

namespace {

void CopyPixel(const RgbImage& from, int fx, int fy, RgbImage& to, int tx, int ty) {
  const auto source = from.pixels.begin() + (static_cast<std::ptrdiff_t>(fy) * from.width + fx) * 3;
  std::copy(source, source + 3, to.pixels.begin() + (static_cast<std::ptrdiff_t>(ty) * to.width + tx) * 3);
}

bool Usable(const RgbImage& picture) {
  return picture.width > 0 && picture.height > 0 &&
         picture.pixels.size() == static_cast<std::size_t>(picture.width) * picture.height * 3;
}

}  // namespace

RgbImage ComposePreview(const RgbImage& still, const RgbImage& grid, int width, int height) {
  if (width <= 0 || height <= 0) return {};
  RgbImage out(width, height);  // black
  if (Usable(grid)) {
    for (int y = 0; y < std::min(height, grid.height); ++y) {
      for (int x = 0; x < std::min(width, grid.width); ++x) CopyPixel(grid, x, y, out, x, y);
    }
  }
  if (Usable(still)) {
    // Nearest pixel: the identity at the still's own size.
    for (int y = 0; y < height; ++y) {
      const int sy = static_cast<int>(static_cast<long long>(y) * still.height / height);
      for (int x = 0; x < width; ++x) {
        CopyPixel(still, static_cast<int>(static_cast<long long>(x) * still.width / width), sy, out, x, y);
      }
    }
  }
  return out;
}

}  // namespace blazemere::host
