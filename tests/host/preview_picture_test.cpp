// The preview picture: the still exactly at its own size, and covering any
// other window size completely.
#include <gtest/gtest.h>

#include "host/preview_picture.h"

namespace blazemere::host {
namespace {

platform::RgbPicture Numbered(int width, int height, std::uint8_t blue) {
  platform::RgbPicture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.pixels.insert(picture.pixels.end(),
                            {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), blue});
    }
  }
  return picture;
}

TEST(ComposePreview, Sizes) {
  const platform::RgbPicture still = Numbered(152, 112, 200);
  const platform::RgbPicture grid = Numbered(152, 112, 50);
  EXPECT_EQ(ComposePreview(still, grid, 152, 112).pixels, still.pixels);

  struct Row {
    int width;
    int height;
  };
  for (const Row row : {Row{300, 200}, Row{1, 1}, Row{76, 500}}) {
    SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
    const platform::RgbPicture out = ComposePreview(still, grid, row.width, row.height);
    ASSERT_EQ(out.pixels.size(), static_cast<std::size_t>(row.width) * row.height * 3);
    for (std::size_t i = 2; i < out.pixels.size(); i += 3) ASSERT_EQ(out.pixels[i], 200) << "pixel " << i / 3;
  }
}

TEST(ComposePreview, GridShowsWhereTheStillIsMissing) {
  const platform::RgbPicture grid = Numbered(152, 112, 50);
  const platform::RgbPicture out = ComposePreview({}, grid, 200, 120);
  EXPECT_EQ(out.pixels[(5 * 200 + 7) * 3 + 2], 50);        // inside the grid
  EXPECT_EQ(out.pixels[(115 * 200 + 170) * 3 + 2], 0);     // black beyond it
}

}  // namespace
}  // namespace blazemere::host
