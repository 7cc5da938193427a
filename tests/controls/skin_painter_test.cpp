// The painter's pixels: stretched edges, the gradient and very small
// controls.
#include <gtest/gtest.h>

#include <string>

#include "host/core/controls/skin_painter.h"
#include "host/resources/button/button_pictures.h"

namespace blazemere::controls {
namespace {

int CountInRow(const RgbImage& image, int y, std::uint32_t rgb) {
  int count = 0;
  for (int x = 0; x < image.width; ++x) count += image.At(x, y) == rgb ? 1 : 0;
  return count;
}

// 81 and 41 pixels wide: the 56-pixel top and bottom edges stretch to 73
// and 33; at 25 rows high the side edges and corners come over one to one.
TEST(SkinPainter, StretchesEdgesAndCopiesCornersAndSides) {
  const RgbImage& normal = StatePictureImage(StatePicture::kNormal);
  for (const auto& [w, h] : {std::pair{0, 0}, {3, 25}, {7, 7}})  // too small for edges: drawn without a crash
    EXPECT_EQ(PaintSkin(normal, w, h, false).pixels.size(), static_cast<std::size_t>(w * h * 3)) << w << " x " << h;
  for (const auto& [width, edge] : {std::pair{81, 73}, {41, 33}}) {
    SCOPED_TRACE("width " + std::to_string(width));
    const RgbImage skin = PaintSkin(normal, width, 25, false);
    // The frame line runs the whole stretched edge; the corners round it off.
    EXPECT_EQ(CountInRow(skin, 1, 0x003C74), edge);
    EXPECT_EQ(CountInRow(skin, 23, 0x003C74), edge);
    // The darker right part of the outermost rows (25 of 56 source pixels)
    // scales with the edge.
    EXPECT_NEAR(CountInRow(skin, 0, 0xDCD6C2), 25.0 / 56.0 * edge, 1.0);
    EXPECT_NEAR(CountInRow(skin, 24, 0xFAFAF6), 25.0 / 56.0 * edge, 1.0);
    for (int y = 0; y < 25; ++y) {
      for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(skin.At(x, y), normal.At(x, y)) << "x " << x << " y " << y;
        EXPECT_EQ(skin.At(width - 4 + x, y), normal.At(60 + x, y)) << "x " << width - 4 + x << " y " << y;
      }
    }
  }
}

// The gradient runs white to #C6C5D7 (or the other way round) over the
// whole height, so row 7 of 9 is 7/8 of the way (worked out by hand, no
// halves to round); the frame pieces leave the inside to it.
TEST(SkinPainter, GradientEndsAndDirection) {
  for (const auto& [inverted, top, row7] : {std::tuple{false, 0xFFFFFFu, 0xCDCCDCu}, {true, 0xC6C5D7u, 0xF8F8FAu}}) {
    SCOPED_TRACE(inverted ? "inverted" : "light on top");
    RgbImage surface(10, 9, kControlBackground);
    PaintBackground(surface, inverted);
    EXPECT_EQ(surface.At(0, 0), top);
    EXPECT_EQ(surface.At(8, 7), row7);
    EXPECT_EQ(surface.At(9, 3), kControlBackground) << "last column left to the frame";
    EXPECT_EQ(surface.At(4, 8), kControlBackground) << "last row left to the frame";
    RgbImage background(81, 25, kControlBackground);
    PaintBackground(background, inverted);
    const RgbImage skin = PaintSkin(StatePictureImage(StatePicture::kHighLight), 81, 25, inverted);
    for (int y = 4; y <= 20; ++y)
      for (int x = 4; x <= 76; ++x) ASSERT_EQ(skin.At(x, y), background.At(x, y)) << "x " << x << " y " << y;
  }
}

}  // namespace
}  // namespace blazemere::controls
