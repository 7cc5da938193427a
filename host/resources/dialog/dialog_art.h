// The settings dialog's built-in pictures, drawn at build time by
// dialog_art_generator.cpp: the panel's strip texture, the two option
// pictures, the link's pointing-hand cursor and the host's window icon.
#pragma once

#include <cstdint>

#include "common/rgb_image.h"

namespace blazemere::resources {

// R, G, B, A per pixel, top row first.
struct RgbaPicture {
  int width;
  int height;
  const std::uint8_t* pixels;
};

// Two-colour cursor in X bitmap layout (rows of (width + 7) / 8 bytes, the
// lowest bit the leftmost pixel): `shape` 1 draws black, 0 white, wherever
// `mask` is 1; elsewhere the cursor is transparent.
struct CursorBitmap {
  int width;
  int height;
  int hotX;
  int hotY;
  const std::uint8_t* shape;
  const std::uint8_t* mask;
};

[[nodiscard]] const RgbImage& PanelStrip();         // 556 x 20, light grey with faint horizontal streaks
[[nodiscard]] const RgbImage& OptionNotSelected();  // 12 x 12, white square in a grey frame
[[nodiscard]] const RgbImage& OptionSelected();     // 12 x 12, the same square filled with blue
CursorBitmap HandCursor();       // 32 x 32, pointing hand, hot spot on the finger tip
RgbaPicture WindowIcon();        // 32 x 32 flame, transparent around it

}  // namespace blazemere::resources
