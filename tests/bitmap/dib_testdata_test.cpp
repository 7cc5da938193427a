// The reader against the bitmap suite kept in tests/data/bmp: each file that
// has a reference picture decodes to it, the newer header kinds (V4, V5) are
// rejected.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "common/ppm.h"
#include "platform/files/files.h"
#include "renderer/core/dib/dib_decoder.h"
#include "renderer/effect/palette_image_file.h"

namespace blazemere::renderer {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The reference's pixels (a PPM), rows turned into the reader's order: the
// file's own, bottom-up unless the height is negative.
Bytes ReferenceInReaderOrder(const std::string& path, const PaletteImage& image) {
  const std::optional<RgbImage> reference = DecodePpm(platform::ReadWholeFile(path).value_or(""));
  if (!reference || reference->width != image.width || reference->height != std::abs(image.height)) return {};
  const std::ptrdiff_t rowBytes = std::ptrdiff_t{reference->width} * 3;
  Bytes rows;
  for (int row = 0; row < reference->height; ++row) {
    const auto from = reference->pixels.begin() + (image.height > 0 ? reference->height - 1 - row : row) * rowBytes;
    rows.insert(rows.end(), from, from + rowBytes);
  }
  return rows;
}

// Each file read through LoadDibImage itself, so the file reading is
// covered too; without a display a failure's message goes to standard error.
TEST(DibTestData, EveryKindDecodesToItsReferenceAndNewerHeadersAreRejected) {
  ::unsetenv("DISPLAY");
  for (const std::string name : {"pal1", "pal4", "pal4rle", "pal8", "pal8-0", "pal8os2", "pal8rle", "pal8topdown",
                                 "pal8w124", "pal8w125", "pal8w126", "rgb16", "rgb16-565", "rgb16-565pal", "rgb24",
                                 "rgb24pal", "rgb32", "rgb32bf", "pal8v4", "pal8v5"}) {
    SCOPED_TRACE(name);
    const std::string path = std::string(BLAZEMERE_BMP_TESTDATA) + "/" + name;
    const bool rejected = name.starts_with("pal8v");
    ::testing::internal::CaptureStderr();
    PaletteImage* image = LoadDibImage((path + ".bmp").c_str());
    const std::string message = ::testing::internal::GetCapturedStderr();
    if (rejected) {
      EXPECT_EQ(image, nullptr);
      EXPECT_EQ(message, std::string("Error: ") + kUnknownFormatMessage + "\n");
      continue;
    }
    ASSERT_NE(image, nullptr) << message;
    const Bytes want = ReferenceInReaderOrder(path + ".ppm", *image);
    EXPECT_FALSE(want.empty()) << "reference missing, unreadable or of another size";
    EXPECT_EQ(Bytes(image->data, image->data + want.size()), want);
    FreePaletteImage(image);
  }
}

}  // namespace
}  // namespace blazemere::renderer
