// The two painted backgrounds of the settings dialog, as numbers: the
// vertical gradient of the whole client area and the places where the strip
// picture is copied to texture the music panel.
#pragma once

#include <cstdint>
#include <vector>

namespace blazemere::dialog {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

// |220 * sin(y / p)| with p = height / 3.142, rounded half to even: 0 at the
// top, 220 at mid-height, back towards 0 at the bottom.
[[nodiscard]] int GradientLevel(int y, int clientHeight);

// The colour of gradient row y: (v, v, v + 30). Rows 0 to clientHeight are
// painted, the last one falling just outside the client area.
Rgb GradientRowColour(int y, int clientHeight);

struct TileOrigin {
  int x = 0;
  int y = 0;
  bool operator==(const TileOrigin&) const = default;
};

// Top-left corners at which the whole strip is copied onto a target of the
// given outer size, column by column, top to bottom. The copy comes before
// the edge test, so one row and one column of copies lie past the target's
// edges and are clipped there.
[[nodiscard]] std::vector<TileOrigin> TileOrigins(int stripWidth, int stripHeight, int targetWidth, int targetHeight);

}  // namespace blazemere::dialog
