// The JPEG decoder on damaged data: a clear "no picture", never an exit.
#include <gtest/gtest.h>

#include <jpeglib.h>

#include "platform/image/jpeg_decode.h"

namespace blazemere::platform {
namespace {

std::vector<std::uint8_t> EncodeTestPicture(int width, int height) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3, 128);
  while (info.next_scanline < info.image_height) {
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

TEST(JpegDecode, GoodAndDamagedData) {
  const std::vector<std::uint8_t> good = EncodeTestPicture(20, 10);
  const std::optional<RgbPicture> picture = DecodeJpeg(good);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 20);
  EXPECT_EQ(picture->height, 10);
  EXPECT_EQ(picture->pixels.size(), 20u * 10u * 3u);

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
