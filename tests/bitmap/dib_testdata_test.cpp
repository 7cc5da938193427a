// The reader against the shared bitmap suite: each file gets the outcome its
// manifest gives and decodes to its reference picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "renderer/dib/dib_image_loader.h"
#include "tests/bitmap/dib_test_files.h"

namespace blazemere::renderer {
namespace {

using testing::ReadFileBytes;

const std::string kTestData = BLAZEMERE_BMP_TESTDATA;

struct Ppm {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // top row first
};

// P6 with maxval 255; comment lines are allowed between the fields.
Ppm ReadPpm(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  std::string text(bytes.begin(), bytes.end());
  std::istringstream in(text);
  auto next = [&in]() {
    std::string field;
    while (in >> field && field[0] == '#') std::getline(in, field);
    return field;
  };
  Ppm ppm;
  if (next() != "P6") return ppm;
  ppm.width = std::stoi(next());
  ppm.height = std::stoi(next());
  if (next() != "255") return {};
  const auto start = static_cast<std::size_t>(in.tellg()) + 1;
  ppm.pixels.assign(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end());
  return ppm;
}

struct SuiteFile {
  const char* name;
  const char* message;  // nullptr: decodes to NAME.ppm
};

const SuiteFile kSuite[] = {
    {"pal1", nullptr},          {"pal1bg", nullptr},       {"pal1wb", nullptr},
    {"pal4", nullptr},          {"pal4gs", nullptr},       {"pal4rle", nullptr},
    {"pal8", nullptr},          {"pal8gs", nullptr},       {"pal8-0", nullptr},
    {"pal8nonsquare", nullptr}, {"pal8os2", nullptr},      {"pal8rle", nullptr},
    {"pal8topdown", nullptr},   {"pal8w124", nullptr},     {"pal8w125", nullptr},
    {"pal8w126", nullptr},      {"rgb16", nullptr},        {"rgb16-565", nullptr},
    {"rgb16bfdef", nullptr},    {"rgb16-565pal", nullptr}, {"rgb24", nullptr},
    {"rgb24pal", nullptr},      {"rgb32", nullptr},        {"rgb32bf", nullptr},
    {"rgb32bfdef", nullptr},    {"pal8v4", kUnknownFormatMessage}, {"pal8v5", kUnknownFormatMessage},
};

// The reader keeps the file's row order; the reference is upright.
void ExpectMatchesReference(const PaletteImage& image, const Ppm& ppm) {
  ASSERT_EQ(image.width, ppm.width);
  ASSERT_EQ(std::abs(image.height), ppm.height);
  const std::size_t rowBytes = static_cast<std::size_t>(ppm.width) * 3;
  ASSERT_EQ(ppm.pixels.size(), rowBytes * static_cast<std::size_t>(ppm.height));
  for (int row = 0; row < ppm.height; ++row) {
    const int ppmRow = image.height > 0 ? ppm.height - 1 - row : row;
    const std::vector<std::uint8_t> got(image.data + row * rowBytes, image.data + (row + 1) * rowBytes);
    const std::vector<std::uint8_t> want(ppm.pixels.begin() + static_cast<std::ptrdiff_t>(ppmRow * rowBytes),
                                         ppm.pixels.begin() + static_cast<std::ptrdiff_t>((ppmRow + 1) * rowBytes));
    ASSERT_EQ(got, want) << "storage row " << row;
  }
}

TEST(DibTestData, EveryFileGetsItsOutcome) {
  for (const SuiteFile& file : kSuite) {
    SCOPED_TRACE(file.name);
    const std::vector<std::uint8_t> bytes = ReadFileBytes(kTestData + "/" + file.name + ".bmp");
    ASSERT_FALSE(bytes.empty()) << "missing test image";
    const DibDecodeResult result = DecodeDib(bytes);
    if (file.message != nullptr) {
      EXPECT_EQ(result.image, nullptr);
      EXPECT_EQ(result.message, file.message);
      continue;
    }
    ASSERT_NE(result.image, nullptr) << result.message;
    ExpectMatchesReference(*result.image, ReadPpm(kTestData + "/" + file.name + ".ppm"));
    FreePaletteImage(result.image);
  }
}

TEST(DibTestData, LoadDibImageReadsTheFileItself) {
  PaletteImage* image = LoadDibImage((kTestData + "/pal8topdown.bmp").c_str());
  ASSERT_NE(image, nullptr);
  EXPECT_LT(image->height, 0);
  ExpectMatchesReference(*image, ReadPpm(kTestData + "/pal8topdown.ppm"));
  FreePaletteImage(image);
}

}  // namespace
}  // namespace blazemere::renderer
