// The reader against the shared bitmap suite: a file with a reference picture
// decodes to it, one without is rejected as an unknown format.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <cstdio>
#include <string>

#include "renderer/dib/dib_image_loader.h"
#include "tests/support/bmp_builder.h"

namespace blazemere::renderer {
namespace {

struct Ppm {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // top row first
};

// The suite's references are P6 with maxval 255 and no comments.
Ppm ReadPpm(const std::string& path) {
  const std::vector<std::uint8_t> bytes = testing::ReadFileBytes(path);
  Ppm ppm;
  int headerLength = 0;
  const std::string text(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(bytes.size(), 40)));
  if (std::sscanf(text.c_str(), "P6 %d %d 255%n", &ppm.width, &ppm.height, &headerLength) != 2) return {};
  ppm.pixels.assign(bytes.begin() + headerLength + 1, bytes.end());
  return ppm;
}

// The reader keeps the file's row order; the reference is upright.
void ExpectMatchesReference(const PaletteImage& image, const Ppm& ppm) {
  ASSERT_EQ(image.width, ppm.width);
  ASSERT_EQ(std::abs(image.height), ppm.height);
  const std::size_t rowBytes = static_cast<std::size_t>(ppm.width) * 3;
  ASSERT_EQ(ppm.pixels.size(), rowBytes * static_cast<std::size_t>(ppm.height));
  for (int row = 0; row < ppm.height; ++row) {
    const int ppmRow = image.height > 0 ? ppm.height - 1 - row : row;
    const std::vector<std::uint8_t> got(image.data + row * rowBytes, image.data + (row + 1) * rowBytes);
    const auto want = ppm.pixels.begin() + static_cast<std::ptrdiff_t>(ppmRow * rowBytes);
    ASSERT_EQ(got, std::vector<std::uint8_t>(want, want + static_cast<std::ptrdiff_t>(rowBytes))) << "row " << row;
  }
}

// Through LoadDibImage itself, so the file reading is covered too; without a
// display a failure's message goes to standard error.
TEST(DibTestData, EveryFileGetsItsOutcome) {
  ::unsetenv("DISPLAY");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(BLAZEMERE_BMP_TESTDATA)) {
    if (entry.path().extension() != ".bmp") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++files;
    std::filesystem::path reference = entry.path();
    reference.replace_extension(".ppm");
    ::testing::internal::CaptureStderr();
    PaletteImage* image = LoadDibImage(entry.path().c_str());
    const std::string message = ::testing::internal::GetCapturedStderr();
    if (!std::filesystem::exists(reference)) {
      EXPECT_EQ(image, nullptr);
      EXPECT_EQ(message, std::string("Error: ") + kUnknownFormatMessage + "\n");
      continue;
    }
    ASSERT_NE(image, nullptr) << message;
    ExpectMatchesReference(*image, ReadPpm(reference.string()));
    FreePaletteImage(image);
  }
  EXPECT_EQ(files, 27) << "the suite is incomplete";
}

}  // namespace
}  // namespace blazemere::renderer
