// PPM: what the encoder writes reads back as the same picture, and the
// reader refuses what is not exactly a picture of its own kind.
#include <gtest/gtest.h>

#include "common/ppm.h"

namespace blazemere {
namespace {

TEST(Ppm, RoundTripAndRefusals) {
  RgbImage picture(3, 2, 0x102030);
  picture.Set(2, 1, 0xFFEE00);
  const std::string bytes = EncodePpm(picture);
  EXPECT_EQ(bytes.substr(0, 11), "P6\n3 2\n255\n");
  EXPECT_EQ(DecodePpm(bytes), picture);
  EXPECT_EQ(DecodePpm("P6 3\t2\r\n255 " + bytes.substr(11)), picture) << "any whitespace between the fields";

  const std::pair<const char*, std::string> refused[] = {
      {"cut short", bytes.substr(0, bytes.size() - 1)}, {"one byte too many", bytes + "x"},
      {"text form", "P3\n1 1\n255\n0 0 0\n"},       {"absurd size", "P6\n100000 100000\n255\n"},
      {"16-bit", "P6\n3 2\n65535\n" + bytes.substr(11)},
  };
  for (const auto& [name, data] : refused) EXPECT_EQ(DecodePpm(data), std::nullopt) << name;
}

}  // namespace
}  // namespace blazemere
