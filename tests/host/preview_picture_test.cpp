// The preview picture: the still stretched over any window size, and the grid
// on black where the still could not be had.
#include <gtest/gtest.h>

#include "host/preview_picture.h"

namespace blazemere::host {
namespace {

// Pictures whose blue channel tells which one a pixel came from.
const RgbImage kStill(152, 112, 200);
const RgbImage kGrid(152, 112, 50);

TEST(ComposePreview, StillCoversEveryWindowSize) {
  for (const auto& [width, height] : {std::pair{300, 200}, std::pair{1, 1}, std::pair{76, 500}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    EXPECT_TRUE(ComposePreview(kStill, kGrid, width, height) == RgbImage(width, height, 200));
  }
}

TEST(ComposePreview, GridShowsWhereTheStillIsMissing) {
  const RgbImage out = ComposePreview({}, kGrid, 200, 120);
  EXPECT_EQ(out.At(7, 5), 50u);     // inside the grid
  EXPECT_EQ(out.At(170, 115), 0u);  // black beyond it
}

}  // namespace
}  // namespace blazemere::host
