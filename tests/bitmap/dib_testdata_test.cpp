// The reader against the shared bitmap suite: a file with a reference picture
// decodes to it, one without is rejected as an unknown format.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "renderer/dib/dib_image_loader.h"

namespace blazemere::renderer {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The reference's pixels (P6, maxval 255, no comments), rows turned into the
// reader's order: the file's own, bottom-up unless the height is negative.
Bytes ReferenceInReaderOrder(const std::string& path, const PaletteImage& image) {
  std::ifstream in(path, std::ios::binary);
  const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  int width = 0, height = 0, headerLength = 0;
  const std::string text(bytes.begin(), bytes.begin() + std::min<std::ptrdiff_t>(std::ssize(bytes), 40));
  if (std::sscanf(text.c_str(), "P6 %d %d 255%n", &width, &height, &headerLength) != 2) return {};
  const std::ptrdiff_t rowBytes = std::ptrdiff_t{width} * 3;
  if (width != image.width || height != std::abs(image.height) || std::ssize(bytes) != headerLength + 1 + rowBytes * height) return {};
  Bytes rows;
  for (int row = 0; row < height; ++row) {
    const auto from = bytes.begin() + headerLength + 1 + (image.height > 0 ? height - 1 - row : row) * rowBytes;
    rows.insert(rows.end(), from, from + rowBytes);
  }
  return rows;
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
    const std::filesystem::path reference = std::filesystem::path(entry.path()).replace_extension(".ppm");
    ::testing::internal::CaptureStderr();
    PaletteImage* image = LoadDibImage(entry.path().c_str());
    const std::string message = ::testing::internal::GetCapturedStderr();
    if (!std::filesystem::exists(reference)) {
      EXPECT_EQ(image, nullptr);
      EXPECT_EQ(message, std::string("Error: ") + kUnknownFormatMessage + "\n");
      continue;
    }
    ASSERT_NE(image, nullptr) << message;
    const Bytes want = ReferenceInReaderOrder(reference.string(), *image);
    ASSERT_FALSE(want.empty()) << "reference unreadable or of another size";
    EXPECT_EQ(Bytes(image->data, image->data + want.size()), want);
    FreePaletteImage(image);
  }
  EXPECT_EQ(files, 27) << "the suite is incomplete";
}

}  // namespace
}  // namespace blazemere::renderer
