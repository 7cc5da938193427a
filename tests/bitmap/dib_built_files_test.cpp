// The reader on files built here: header kinds and forms, padding, colour
// tables, bit fields, and hostile files that must end in a message, never in
// a crash, an out-of-bounds read, a hang or a giant allocation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

#include "renderer/core/dib/dib_decoder.h"
#include "renderer/effect/palette_image_file.h"
#include "tests/support/bmp_builder.h"

namespace blazemere::renderer {
namespace {

using testing::BmpSpec;
using testing::BuildBmp;
using Bytes = std::vector<std::uint8_t>;

BmpSpec With(BmpSpec spec, const std::function<void(BmpSpec&)>& change) { return change(spec), spec; }

BmpSpec Indexed8(std::int32_t width, std::int32_t height, Bytes bits, std::uint32_t colorsUsed = 2) {
  BmpSpec spec{.width = width, .height = height, .bitCount = 8, .colorsUsed = colorsUsed,
               .colors = {{10, 20, 30}, {40, 50, 60}}, .bits = std::move(bits)};
  spec.colors.resize(std::max<std::uint32_t>(colorsUsed, 2), {7, 7, 7});
  return spec;
}

BmpSpec Rle8(std::int32_t width, std::int32_t height, Bytes stream) {
  return With(Indexed8(width, height, std::move(stream)), [](BmpSpec& s) { s.compression = 1; });
}

BmpSpec Headerless(BmpSpec spec) { return With(std::move(spec), [](BmpSpec& s) { s.fileHeader = false; }); }

// `rgb`: the result's pixels, at the size the file was built with.
struct DecodeCase { const char* name; BmpSpec spec; Bytes rgb; };

// What the shared bitmap suite leaves out: headerless forms (where the
// colour-table size places the bits) and clipped RLE runs.
TEST(DibBuiltFiles, DecodeToTheExpectedPixels) {
  const DecodeCase cases[] = {
      {"headerless info header: bits right after the table", Headerless(Indexed8(2, 1, {1, 0, 0, 0})),
       {40, 50, 60, 10, 20, 30}},
      {"headerless core header: 3-byte entries", With(Headerless(Indexed8(2, 1, {0, 1, 0, 0}, 0)), [](BmpSpec& s) {
         s.headerSize = 12; s.colors.resize(256, {0, 0, 0});
       }), {10, 20, 30, 40, 50, 60}},
      {"headerless 16-bit bit fields: masks follow the header", Headerless(With({}, [](BmpSpec& s) {
         s.bitCount = 16; s.compression = 3; s.masks = {0xF800, 0x07E0, 0x001F}; s.bits = {0x1F, 0xF8, 0, 0};
       })), {255, 0, 255}},
      {"RLE8: run clipped at the right edge, then end of line and delta", Rle8(2, 3, {3, 1, 0, 0, 0, 2, 1, 1, 0, 1}),
       {40, 50, 60, 40, 50, 60, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const DecodeCase& test : cases) {
    SCOPED_TRACE(test.name);
    const DibDecodeResult result = DecodeDib(BuildBmp(test.spec));
    ASSERT_NE(result.image, nullptr) << result.message;
    EXPECT_EQ(result.image->width, test.spec.width);
    EXPECT_EQ(result.image->height, test.spec.height);
    EXPECT_EQ(Bytes(result.image->data, result.image->data + test.rgb.size()), test.rgb);
    FreePaletteImage(result.image);
  }
}

struct HostileCase { const char* name; Bytes file; const char* message; };

TEST(DibBuiltFiles, HostileFilesEndInAMessage) {
  const auto bmp = [](const std::function<void(BmpSpec&)>& change) { return BuildBmp(With({}, change)); };
  const HostileCase cases[] = {
      {"empty file", {}, kUnknownFormatMessage},
      {"header size 108", bmp([](BmpSpec& s) { s.headerSize = 108; s.bits = {1, 2, 3, 0}; }), kUnknownFormatMessage},
      {"truncated pixel rows", bmp([](BmpSpec& s) { s.width = 4; s.height = 4; s.bits = Bytes(47, 0); }),
       kConversionErrorMessage},
      {"pixel offset beyond the file", bmp([](BmpSpec& s) { s.pixelOffset = 0xFFFFFFF0u; s.bits = {1, 2, 3, 0}; }),
       kConversionErrorMessage},
      {"rows that overflow any size", bmp([](BmpSpec& s) { s.width = 0x40000000; s.height = 2; s.bits = {1, 2, 3, 0}; }),
       kConversionErrorMessage},
      {"absurd size claimed by a tiny RLE stream", BuildBmp(Rle8(0x7FFFFFFF, 0x7FFFFFFF, {0, 1})), kOutOfMemoryMessage},
      {"zero width", bmp([](BmpSpec& s) { s.width = 0; }), kConversionErrorMessage},
      {"2 bits per pixel", bmp([](BmpSpec& s) { s.bitCount = 2; s.bits = {0, 0, 0, 0}; }), kConversionErrorMessage},
      {"RLE stream without its end", BuildBmp(Rle8(4, 4, {2, 1, 0, 0, 2, 1})), kConversionErrorMessage},
      {"RLE literal longer than the stream", BuildBmp(Rle8(8, 1, {0, 8, 1, 1, 1})), kConversionErrorMessage},
  };
  for (const HostileCase& test : cases) {
    SCOPED_TRACE(test.name);
    const DibDecodeResult result = DecodeDib(test.file);
    EXPECT_EQ(result.image, nullptr);
    EXPECT_EQ(result.message, test.message);
    FreePaletteImage(result.image);
  }
}

// Files that cannot be read as a whole, at once, count as unopenable: the
// open-failure message, exactly one per call; without a display it goes to
// standard error. An empty file is among them, as a file mapping of nothing
// fails. A read that blocks (on the named pipe, say) is cut short by the
// alarm, which ends the test as failed instead of hanging the whole run.
TEST(LoadDibImage, ReportsAnUnreadableFileOnceWithoutADisplay) {
  ::unsetenv("DISPLAY");
  const std::string folder = ::testing::TempDir(), giant = folder + "bitmap_giant.bmp",
                    empty = folder + "bitmap_empty.bmp", pipe = folder + "bitmap_pipe.bmp";
  std::ofstream{giant}.close();
  ASSERT_EQ(::truncate(giant.c_str(), 1LL << 30), 0);
  std::ofstream{empty}.close();
  std::remove(pipe.c_str());
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {std::string("/nonexistent/blazemere/palette.bmp"), folder, giant, empty, pipe}) {
    SCOPED_TRACE(path);
    ::testing::internal::CaptureStderr();
    ::alarm(5);
    EXPECT_EQ(LoadDibImage(path.c_str()), nullptr);
    ::alarm(0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error: Failed to open DIB file " + path + ".\n");
  }
  for (const std::string& path : {giant, empty, pipe}) std::remove(path.c_str());
}

}  // namespace
}  // namespace blazemere::renderer
