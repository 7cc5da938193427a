// The painter's pixels: stretched edges, the gradient and very small
// controls; and the state pictures' band colours.
#include <gtest/gtest.h>

#include <string>

#include "host/resources/button/button_pictures.h"
#include "host/core/controls/skin_painter.h"

namespace blazemere::controls {
namespace {

// The gradient's colour on row y of a control h pixels high.
std::uint32_t GradientAt(int y, int h, bool inverted) {
  const std::uint32_t top = inverted ? 0xC6C5D7 : 0xFFFFFF;
  const std::uint32_t bottom = inverted ? 0xFFFFFF : 0xC6C5D7;
  std::uint32_t result = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    const double a = (top >> shift) & 0xFF;
    const double b = (bottom >> shift) & 0xFF;
    result |= static_cast<std::uint32_t>(a + (b - a) * y / (h - 1) + 0.5) << shift;
  }
  return result;
}

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
// whole height; the frame pieces leave the inside to it.
TEST(SkinPainter, GradientEndsAndDirection) {
  for (const bool inverted : {false, true}) {
    SCOPED_TRACE(inverted ? "inverted" : "light on top");
    RgbImage surface(10, 9, kControlBackground);
    PaintBackground(surface, inverted);
    EXPECT_EQ(surface.At(0, 0), inverted ? 0xC6C5D7u : 0xFFFFFFu);
    EXPECT_EQ(surface.At(8, 7), GradientAt(7, 9, inverted));
    EXPECT_EQ(surface.At(9, 3), kControlBackground) << "last column left to the frame";
    EXPECT_EQ(surface.At(4, 8), kControlBackground) << "last row left to the frame";
    const RgbImage skin = PaintSkin(StatePictureImage(StatePicture::kHighLight), 81, 25, inverted);
    for (int y = 4; y <= 20; ++y) {
      for (const int x : {4, 40, 76}) {
        EXPECT_NEAR(static_cast<int>(skin.At(x, y) & 0xFF), static_cast<int>(GradientAt(y, 25, inverted) & 0xFF), 1)
            << "x " << x << " y " << y;
      }
    }
  }
}

// Normal's band: rows 0-3 and 21-24 left of the shaded half, columns 0-3
// and 60-63 at rows 4 and 20, and the rounded top-left corner.
TEST(StatePictures, OuterBandCornerAndTwinHoverLooks) {
  const std::uint32_t rows[8] = {0xE0DCC9, 0x003C74, 0xF3F3EE, 0xF3F3EE, 0xE2DFD6, 0xD6D0C5, 0x003C74, 0xF8F7F0};
  const std::uint32_t sides[8][2] = {{0xE1DDCA, 0xE2DECB}, {0x003C74, 0x003C74}, {0xFDFDFC, 0xECEBE6},
                                     {0xFDFDFC, 0xEBEBE5}, {0xFBFBFA, 0xE4E2DA}, {0xF6F4F2, 0xE0DDD4},
                                     {0x003C74, 0x003C74}, {0xEFEDDF, 0xF1EEE2}};
  const RgbImage& picture = StatePictureImage(StatePicture::kNormal);
  ASSERT_EQ(picture.pixels.size(), 64u * 25 * 3);
  for (int i = 0; i < 8; ++i) {
    const int y = i < 4 ? i : 17 + i, x = i < 4 ? i : 56 + i;
    for (const int at : {4, 20, 31, 59}) EXPECT_EQ(picture.At(at, y), rows[i]) << "row " << y << " x " << at;
    EXPECT_EQ(picture.At(x, 4), sides[i][0]) << "column " << x;
    EXPECT_EQ(picture.At(x, 20), sides[i][1]) << "column " << x;
  }
  const std::uint32_t corner[4][4] = {{0xE9E7D5, 0xE4DFCE, 0xE1DDCA, 0xE0DCC9},
                                      {0xE4DFCE, 0xE6E1D0, 0x7A95A8, 0x255783},
                                      {0xE2DECB, 0x7A95A8, 0x557DA2, 0xC0CFDD},
                                      {0xE2DECB, 0x255783, 0xBFCEDC, 0xFEFEFE}};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(picture.At(x, y), corner[y][x]) << x << "," << y;
  }
  EXPECT_EQ(StatePictureImage(StatePicture::kHighLight), StatePictureImage(StatePicture::kHighLightSelect));
}

}  // namespace
}  // namespace blazemere::controls
