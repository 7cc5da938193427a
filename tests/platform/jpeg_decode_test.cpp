// The JPEG decoder on damaged data: a clear "no picture", never an exit.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/image/jpeg_decode.h"

namespace blazemere::platform {
namespace {

// A good JPEG of ours (the fire still kept in the fuzz corpus).
std::vector<std::uint8_t> GoodJpeg() {
  std::ifstream in(BLAZEMERE_GOOD_JPEG, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(JpegDecode, GoodAndDamagedData) {
  const std::vector<std::uint8_t> good = GoodJpeg();
  const std::optional<RgbImage> picture = DecodeJpeg(good);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 152);
  EXPECT_EQ(picture->height, 112);
  EXPECT_EQ(picture->pixels.size(), 152u * 112u * 3u);

  struct Row {
    const char* name;
    std::vector<std::uint8_t> data;
  };
  std::vector<std::uint8_t> huge = good;
  for (std::size_t i = 0; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {  // start of frame: claim 60000 x 60000
      huge[i + 5] = huge[i + 7] = 0xEA;
      huge[i + 6] = huge[i + 8] = 0x60;
    }
  }
  const Row rows[] = {
      {"empty", {}},
      {"not a JPEG", {'B', 'M', 1, 2, 3}},
      {"cut in half", std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(good.size() / 2))},
      {"header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 4)},
      {"giant size claimed", huge},
  };
  for (const Row& row : rows) EXPECT_FALSE(DecodeJpeg(row.data)) << row.name;
}

}  // namespace
}  // namespace blazemere::platform
