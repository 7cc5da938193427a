// The flame drawn at the icon theme's sizes is one shape scaled: at every
// size it stands where the 32-pixel window icon stands, scaled, and burns
// hottest in its lower middle.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/resources/icon/flame_icon.h"

namespace blazemere::resources {
namespace {

// Where the flame's visible pixels lie, as fractions of the square.
struct Extent {
  double left = 1, top = 1, right = 0, bottom = 0;
};

Extent VisibleExtent(const FlameIconPixels& icon) {
  Extent extent;
  for (int y = 0; y < icon.size; ++y)
    for (int x = 0; x < icon.size; ++x)
      if (icon.rgba[(static_cast<std::size_t>(y) * icon.size + x) * 4 + 3] > 127) {
        extent.left = std::min(extent.left, static_cast<double>(x) / icon.size);
        extent.right = std::max(extent.right, static_cast<double>(x + 1) / icon.size);
        extent.top = std::min(extent.top, static_cast<double>(y) / icon.size);
        extent.bottom = std::max(extent.bottom, static_cast<double>(y + 1) / icon.size);
      }
  return extent;
}

TEST(FlameIcon, EverySizeIsTheWindowIconScaled) {
  const Extent reference = VisibleExtent(DrawFlameIcon(32));
  for (const int size : {16, 22, 24, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const FlameIconPixels icon = DrawFlameIcon(size);
    ASSERT_EQ(icon.rgba.size(), static_cast<std::size_t>(size) * size * 4);
    const Extent extent = VisibleExtent(icon);
    // Within a pixel of either picture.
    const double slack = 1.0 / size + 1.0 / 32;
    EXPECT_NEAR(extent.left, reference.left, slack);
    EXPECT_NEAR(extent.right, reference.right, slack);
    EXPECT_NEAR(extent.top, reference.top, slack);
    EXPECT_NEAR(extent.bottom, reference.bottom, slack);
    // Transparent corners at the top, where the tip leaves room.
    EXPECT_EQ(icon.rgba[3], 0);
    EXPECT_EQ(icon.rgba[(size - 1) * 4 + 3], 0);
    // The core near the foot is white-yellow: red and green full, some blue.
    const std::uint8_t* core = &icon.rgba[(static_cast<std::size_t>(size * 7 / 8) * size + size / 2) * 4];
    EXPECT_GE(core[0], 250);
    EXPECT_GE(core[1], 200);
    EXPECT_EQ(core[3], 255);
  }
}

}  // namespace
}  // namespace blazemere::resources
