// The dialog's painted backgrounds: see dialog_background.h.
#include "host/core/dialog/dialog_background.h"

#include <cmath>

namespace blazemere::dialog {

int GradientLevel(int y, int clientHeight) {
  const double period = clientHeight / 3.142;
  return static_cast<int>(std::nearbyint(std::fabs(220.0 * std::sin(y / period))));
}

Rgb GradientRowColour(int y, int clientHeight) {
  const auto level = static_cast<std::uint8_t>(GradientLevel(y, clientHeight));
  return Rgb{level, level, static_cast<std::uint8_t>(level + 30)};
}

std::vector<TileOrigin> TileOrigins(int stripWidth, int stripHeight, int targetWidth, int targetHeight) {
  std::vector<TileOrigin> origins;
  // A strip without area would never leave the target: nothing to copy.
  if (stripWidth <= 0 || stripHeight <= 0) return origins;
  int x = 0;
  int y = 0;
  for (;;) {
    origins.push_back({x, y});
    if (y > targetHeight) {
      if (x > targetWidth) break;
      x += stripWidth;
      y = 0;
    } else {
      y += stripHeight;
    }
  }
  return origins;
}

}  // namespace blazemere::dialog
