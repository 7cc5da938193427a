// The painter's pixels: stretched edges, the gradient and very small
// controls; and the state pictures' band colours.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "host/controls/button_pictures.h"
#include "host/controls/skin_painter.h"

namespace blazemere::controls {
namespace {

std::string Hex(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", rgb);
  return text;
}

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
        EXPECT_EQ(Hex(skin.At(x, y)), Hex(normal.At(x, y))) << "x " << x << " y " << y;
        EXPECT_EQ(Hex(skin.At(width - 4 + x, y)), Hex(normal.At(60 + x, y))) << "x " << width - 4 + x << " y " << y;
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
    EXPECT_EQ(Hex(surface.At(0, 0)), inverted ? "C6C5D7" : "FFFFFF");
    EXPECT_EQ(Hex(surface.At(8, 7)), Hex(GradientAt(7, 9, inverted)));
    EXPECT_EQ(Hex(surface.At(9, 3)), Hex(kControlBackground)) << "last column left to the frame";
    EXPECT_EQ(Hex(surface.At(4, 8)), Hex(kControlBackground)) << "last row left to the frame";
    const RgbImage skin = PaintSkin(StatePictureImage(StatePicture::kHighLight), 81, 25, inverted);
    for (int y = 4; y <= 20; ++y) {
      for (const int x : {4, 40, 76}) {
        EXPECT_NEAR(static_cast<int>(skin.At(x, y) & 0xFF), static_cast<int>(GradientAt(y, 25, inverted) & 0xFF), 1)
            << "x " << x << " y " << y;
      }
    }
  }
}

// Below 8 pixels either way the edges have no room; the corners meet at 8.
TEST(SkinPainter, TinyControlsAreDrawnWithoutEdges) {
  const RgbImage& normal = StatePictureImage(StatePicture::kNormal);
  for (const auto& [w, h] : {std::pair{0, 0}, {1, 1}, {3, 25}, {81, 3}, {7, 7}, {1, 200}}) {
    const RgbImage skin = PaintSkin(normal, w, h, false);
    EXPECT_EQ(skin.pixels.size(), static_cast<std::size_t>(w * h * 3)) << w << " x " << h;
  }
  const RgbImage skin = PaintSkin(normal, 8, 8, false);
  EXPECT_EQ(Hex(skin.At(0, 0)), Hex(normal.At(0, 0)));
  EXPECT_EQ(Hex(skin.At(7, 0)), Hex(normal.At(63, 0)));
  EXPECT_EQ(Hex(skin.At(7, 7)), Hex(normal.At(63, 24)));
}

struct Band {
  StatePicture picture;
  std::uint32_t rows[8];      // rows 0-3, 21-24 at a column left of the shaded half
  std::uint32_t left[4][2];   // columns 0-3: row 4 / row 20 (Pressed: mid-height)
  std::uint32_t right[4][2];  // columns 60-63
};

const Band kBands[] = {
    {StatePicture::kNormal,
     {0xE0DCC9, 0x003C74, 0xF3F3EE, 0xF3F3EE, 0xE2DFD6, 0xD6D0C5, 0x003C74, 0xF8F7F0},
     {{0xE1DDCA, 0xE2DECB}, {0x003C74, 0x003C74}, {0xFDFDFC, 0xECEBE6}, {0xFDFDFC, 0xEBEBE5}},
     {{0xFBFBFA, 0xE4E2DA}, {0xF6F4F2, 0xE0DDD4}, {0x003C74, 0x003C74}, {0xEFEDDF, 0xF1EEE2}}},
    {StatePicture::kHighLight,
     {0xE0DCC9, 0x003C74, 0xFFF0CF, 0xFDD889, 0xF8B330, 0xE59700, 0x003C74, 0xF8F7F0},
     {{0xE1DDCA, 0xE2DECB}, {0x003C74, 0x003C74}, {0xFEDF9A, 0xF9B435}, {0xFCD279, 0xF8B535}},
     {{0xFCD279, 0xF8B535}, {0xFDE09B, 0xF8B435}, {0x003C74, 0x003C74}, {0xEFEDDF, 0xF1EEE2}}},
    {StatePicture::kSelected,
     {0xE0DCC9, 0x003C74, 0xCEE7FF, 0xCEE7FF, 0x6982EE, 0x6982EE, 0x003C74, 0xF8F7F0},
     {{0xE1DDCA, 0xE2DECB}, {0x003C74, 0x003C74}, {0xB7D0F4, 0x8BADE4}, {0xB8D1F4, 0x8BADE4}},
     {{0xB1CCF2, 0x8BAFE5}, {0xB1CCF2, 0x8BAFE5}, {0x003C74, 0x003C74}, {0xEFEDDF, 0xF1EEE2}}},
    {StatePicture::kPressed,
     {0xECE9D8, 0xE0DCC9, 0x003C74, 0xD1CCC1, 0xF2F1EE, 0x003C74, 0xF8F7F0, 0xECE9D8},
     {{0xECE9D8, 0xECE9D8}, {0xE2DECB, 0xE2DECB}, {0x003C74, 0x003C74}, {0xD7D4CB, 0xD7D4CB}},
     {{0xE4E3DC, 0xE4E3DC}, {0x003C74, 0x003C74}, {0xF0EEE0, 0xF0EEE0}, {0xECE9D8, 0xECE9D8}}},
    {StatePicture::kDisable,
     {0xECE9D8, 0xC9C7BA, 0xF5F4EA, 0xF5F4EA, 0xF5F4EA, 0xF5F4EA, 0xC9C7BA, 0xECE9D8},
     {{0xECE9D8, 0xECE9D8}, {0xC9C7BA, 0xC9C7BA}, {0xF5F4EA, 0xF5F4EA}, {0xF5F4EA, 0xF5F4EA}},
     {{0xF5F4EA, 0xF5F4EA}, {0xF5F4EA, 0xF5F4EA}, {0xC9C7BA, 0xC9C7BA}, {0xECE9D8, 0xECE9D8}}},
};

TEST(StatePictures, OuterBandCarriesTheSchemeColours) {
  for (const Band& band : kBands) {
    SCOPED_TRACE(StatePictureName(band.picture));
    const RgbImage& picture = StatePictureImage(band.picture);
    ASSERT_EQ(picture.pixels.size(), 64u * 25 * 3);
    const bool pressed = band.picture == StatePicture::kPressed;
    const int sideTop = pressed ? 5 : 4;
    const int sideBottom = pressed ? 19 : 20;
    static const int kRows[8] = {0, 1, 2, 3, 21, 22, 23, 24};
    for (int i = 0; i < 8; ++i) {
      for (const int x : {pressed ? 5 : 4, 20, 31, pressed ? 58 : 59}) {
        EXPECT_EQ(Hex(picture.At(x, kRows[i])), Hex(band.rows[i])) << "row " << kRows[i] << " x " << x;
      }
    }
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(Hex(picture.At(c, sideTop)), Hex(band.left[c][0])) << "column " << c;
      EXPECT_EQ(Hex(picture.At(c, sideBottom)), Hex(band.left[c][1])) << "column " << c;
      EXPECT_EQ(Hex(picture.At(60 + c, sideTop)), Hex(band.right[c][0])) << "column " << 60 + c;
      EXPECT_EQ(Hex(picture.At(60 + c, sideBottom)), Hex(band.right[c][1])) << "column " << 60 + c;
    }
  }
}

TEST(StatePictures, ShadeChangeTopLeftCornerAndTwinHoverLooks) {
  const RgbImage& normal = StatePictureImage(StatePicture::kNormal);
  for (const StatePicture look : {StatePicture::kNormal, StatePicture::kHighLight, StatePicture::kSelected}) {
    SCOPED_TRACE(StatePictureName(look));
    const RgbImage& picture = StatePictureImage(look);
    for (int x = 32; x <= 56; ++x) {
      EXPECT_EQ(Hex(picture.At(x, 0)), "DCD6C2") << "x " << x;
      EXPECT_EQ(Hex(picture.At(x, 24)), "FAFAF6") << "x " << x;
    }
  }
  const std::uint32_t corner[4][4] = {{0xE9E7D5, 0xE4DFCE, 0xE1DDCA, 0xE0DCC9},
                                      {0xE4DFCE, 0xE6E1D0, 0x7A95A8, 0x255783},
                                      {0xE2DECB, 0x7A95A8, 0x557DA2, 0xC0CFDD},
                                      {0xE2DECB, 0x255783, 0xBFCEDC, 0xFEFEFE}};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Hex(normal.At(x, y)), Hex(corner[y][x])) << x << "," << y;
  }
  EXPECT_EQ(StatePictureImage(StatePicture::kHighLight), StatePictureImage(StatePicture::kHighLightSelect));
}

}  // namespace
}  // namespace blazemere::controls
