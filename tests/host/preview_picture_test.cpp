// The preview picture's grid on black where the still could not be had (the
// stretched still itself is checked on screen by the host's program test).
#include <gtest/gtest.h>

#include "host/core/preview/preview_picture.h"

namespace blazemere::host {
namespace {

TEST(ComposePreview, GridShowsWhereTheStillIsMissing) {
  const RgbImage out = ComposePreview({}, RgbImage(152, 112, 50), 200, 120);
  EXPECT_EQ(out.At(7, 5), 50u);     // inside the grid
  EXPECT_EQ(out.At(170, 115), 0u);  // black beyond it
}

}  // namespace
}  // namespace blazemere::host
