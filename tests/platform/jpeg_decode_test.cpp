// The JPEG decoder on damaged data: a clear "no picture", never an exit.
#include <gtest/gtest.h>

#include "platform/files/files.h"
#include "platform/jpeg/jpeg_decode.h"

namespace blazemere::platform {
namespace {

TEST(JpegDecode, GoodAndDamagedData) {
  const std::string file = ReadWholeFile(BLAZEMERE_GOOD_JPEG).value_or("");  // the fire still kept in the fuzz corpus
  const std::vector<std::uint8_t> good(file.begin(), file.end());
  const std::optional<RgbImage> picture = DecodeJpeg(good);
  ASSERT_TRUE(picture);
  EXPECT_EQ(std::tuple(picture->width, picture->height, picture->pixels.size()), std::tuple(152, 112, 152u * 112u * 3u));

  std::vector<std::uint8_t> huge = good;
  for (std::size_t i = 0; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {  // start of frame: claim 60000 x 60000
      huge[i + 5] = huge[i + 7] = 0xEA;
      huge[i + 6] = huge[i + 8] = 0x60;
    }
  }
  const std::vector<std::uint8_t> rows[] = {
      {}, {'B', 'M', 1, 2, 3}, std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(good.size() / 2)), huge};
  for (std::size_t row = 0; row < std::size(rows); ++row) EXPECT_FALSE(DecodeJpeg(rows[row])) << "row " << row;
}

}  // namespace
}  // namespace blazemere::platform
