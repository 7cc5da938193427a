// The reader on files built here: header kinds and forms, padding, colour
// tables, bit fields, and hostile files that must end in a message, never in
// a crash, an out-of-bounds read, a hang or a giant allocation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include <unistd.h>

#include "renderer/dib/dib_image_loader.h"
#include "tests/bitmap/dib_test_files.h"

namespace blazemere::renderer {
namespace {

using testing::BmpSpec;
using testing::BuildBmp;
using Bytes = std::vector<std::uint8_t>;

BmpSpec Indexed8(std::int32_t width, std::int32_t height, Bytes bits, std::uint32_t colorsUsed = 2) {
  BmpSpec spec;
  spec.width = width;
  spec.height = height;
  spec.bitCount = 8;
  spec.colorsUsed = colorsUsed;
  spec.colors = {{10, 20, 30}, {40, 50, 60}};
  spec.colors.resize(std::max<std::uint32_t>(colorsUsed, 2), {7, 7, 7});
  spec.bits = std::move(bits);
  return spec;
}

BmpSpec Rle8(std::int32_t width, std::int32_t height, Bytes stream) {
  BmpSpec spec = Indexed8(width, height, std::move(stream));
  spec.compression = 1;
  return spec;
}

BmpSpec With(BmpSpec spec, const std::function<void(BmpSpec&)>& change) {
  change(spec);
  return spec;
}

struct DecodeCase {
  const char* name;
  Bytes file;
  std::int32_t width;
  std::int32_t height;
  Bytes rgb;
};

TEST(DibBuiltFiles, DecodeToTheExpectedPixels) {
  const DecodeCase cases[] = {
      {"24-bit, 4 wide: no padding",
       BuildBmp(With({}, [](BmpSpec& s) { s.width = 4; s.bits = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}; })), 4, 1,
       {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}},
      {"24-bit, 5 wide: one padding byte per row",
       BuildBmp(With({}, [](BmpSpec& s) {
         s.width = 5; s.height = 2;
         s.bits = Bytes(16, 0); s.bits.resize(32, 0); s.bits[15] = 99; s.bits[16] = 1;
       })), 5, 2, [] { Bytes b(30, 0); b[17] = 1; return b; }()},
      {"24-bit, 6 wide, two rows: two padding bytes",
       BuildBmp(With({}, [](BmpSpec& s) {
         s.width = 6; s.height = 2; s.bits = Bytes(40, 0); s.bits[18] = 88; s.bits[19] = 88; s.bits[22] = 5;
       })), 6, 2, [] { Bytes b(36, 0); b[18] = 5; return b; }()},
      {"headerless info header: bits right after the table",
       BuildBmp(With(Indexed8(2, 1, {1, 0, 0, 0}), [](BmpSpec& s) { s.fileHeader = false; })), 2, 1,
       {40, 50, 60, 10, 20, 30}},
      {"headerless core header: 3-byte entries",
       BuildBmp(With(Indexed8(2, 1, {0, 1, 0, 0}, 0), [](BmpSpec& s) {
         s.fileHeader = false; s.headerSize = 12; s.colors.resize(256, {0, 0, 0});
       })), 2, 1, {10, 20, 30, 40, 50, 60}},
      {"8-bit, colours used 16: a 16-entry table",
       BuildBmp(With(Indexed8(1, 1, {15, 0, 0, 0}, 16), [](BmpSpec& s) { s.fileHeader = false; })), 1, 1,
       {7, 7, 7}},
      {"8-bit, index beyond the table reads black", BuildBmp(Indexed8(2, 1, {1, 200, 0, 0})), 2, 1,
       {40, 50, 60, 0, 0, 0}},
      {"top-down: top row first, as stored", BuildBmp(Indexed8(1, -2, {0, 0, 0, 0, 1, 0, 0, 0})), 1, -2,
       {10, 20, 30, 40, 50, 60}},
      {"headerless 16-bit bit fields: masks follow the header",
       BuildBmp(With({}, [](BmpSpec& s) {
         s.fileHeader = false; s.bitCount = 16; s.compression = 3;
         s.masks = {0xF800, 0x07E0, 0x001F}; s.bits = {0x1F, 0xF8, 0, 0};  // red 31, blue 31 in 5-6-5
       })), 1, 1, {255, 0, 255}},
      {"32-bit bit fields with 4-bit channels are widened",
       BuildBmp(With({}, [](BmpSpec& s) {
         s.bitCount = 32; s.compression = 3; s.masks = {0xF00, 0x0F0, 0x00F}; s.bits = {0x21, 0x0F, 0, 0};
       })), 1, 1, {0xFF, 0x22, 0x11}},
      {"RLE8: run clipped at the right edge, then end of line and delta",
       BuildBmp(Rle8(2, 3, {3, 1, 0, 0, 0, 2, 1, 1, 0, 1})), 2, 3,
       {40, 50, 60, 40, 50, 60, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"RLE8: literal stretch with its pad byte",
       BuildBmp(Rle8(3, 1, {0, 3, 1, 0, 1, 0, 0, 1})), 3, 1, {40, 50, 60, 10, 20, 30, 40, 50, 60}},
      {"RLE4: nibbles high first",
       BuildBmp(With(Rle8(3, 1, {3, 0x10, 0, 1}), [](BmpSpec& s) { s.bitCount = 4; s.compression = 2; })), 3, 1,
       {40, 50, 60, 10, 20, 30, 40, 50, 60}},
      {"RLE8: ends by passing the last row without an end mark",
       BuildBmp(Rle8(1, 1, {1, 1, 0, 0})), 1, 1, {40, 50, 60}},
  };
  for (const DecodeCase& test : cases) {
    SCOPED_TRACE(test.name);
    const DibDecodeResult result = DecodeDib(test.file);
    ASSERT_NE(result.image, nullptr) << result.message;
    EXPECT_EQ(result.image->width, test.width);
    EXPECT_EQ(result.image->height, test.height);
    EXPECT_EQ(Bytes(result.image->data, result.image->data + test.rgb.size()), test.rgb);
    FreePaletteImage(result.image);
  }
}

struct HostileCase {
  const char* name;
  Bytes file;
  const char* message;
};

TEST(DibBuiltFiles, HostileFilesEndInAMessage) {
  const Bytes pixel4x4(48, 0);
  const HostileCase cases[] = {
      {"empty file", {}, kUnknownFormatMessage},
      {"only \"BM\"", {'B', 'M'}, kUnknownFormatMessage},
      {"header size 108", BuildBmp(With({}, [](BmpSpec& s) { s.headerSize = 108; s.bits = {1, 2, 3, 0}; })),
       kUnknownFormatMessage},
      {"info header cut short", [] { Bytes f = BuildBmp({}); f.resize(30); return f; }(), kUnknownFormatMessage},
      {"truncated pixel rows",
       BuildBmp(With({}, [&](BmpSpec& s) { s.width = 4; s.height = 4; s.bits.assign(pixel4x4.begin(), pixel4x4.end() - 1); })),
       kConversionErrorMessage},
      {"pixel offset beyond the file", BuildBmp(With({}, [](BmpSpec& s) { s.pixelOffset = 0xFFFFFFF0u; s.bits = {1, 2, 3, 0}; })),
       kConversionErrorMessage},
      {"rows that overflow any size", BuildBmp(With({}, [](BmpSpec& s) { s.width = 0x40000000; s.height = 2; s.bits = {1, 2, 3, 0}; })),
       kConversionErrorMessage},
      {"absurd size claimed by a tiny RLE stream", BuildBmp(Rle8(0x7FFFFFFF, 0x7FFFFFFF, {0, 1})), kOutOfMemoryMessage},
      {"most negative height", BuildBmp(With({}, [](BmpSpec& s) { s.height = INT32_MIN; s.bits = {1, 2, 3, 0}; })),
       kConversionErrorMessage},
      {"zero width", BuildBmp(With({}, [](BmpSpec& s) { s.width = 0; })), kConversionErrorMessage},
      {"zero height", BuildBmp(With({}, [](BmpSpec& s) { s.height = 0; })), kConversionErrorMessage},
      {"negative width", BuildBmp(With({}, [](BmpSpec& s) { s.width = -4; s.bits = Bytes(12, 0); })), kConversionErrorMessage},
      {"colour table beyond the file", [] { Bytes f = BuildBmp(Indexed8(1, 1, {0, 0, 0, 0}, 300)); f.resize(200); return f; }(),
       kConversionErrorMessage},
      {"bit fields without their masks", BuildBmp(With({}, [](BmpSpec& s) { s.bitCount = 16; s.compression = 3; })),
       kConversionErrorMessage},
      {"2 bits per pixel", BuildBmp(With({}, [](BmpSpec& s) { s.bitCount = 2; s.bits = {0, 0, 0, 0}; })), kConversionErrorMessage},
      {"JPEG compression", BuildBmp(With({}, [](BmpSpec& s) { s.compression = 4; s.bits = {0, 0, 0, 0}; })), kConversionErrorMessage},
      {"bit fields on 24 bits", BuildBmp(With({}, [](BmpSpec& s) { s.compression = 3; s.masks = {1, 2, 4}; s.bits = {0, 0, 0, 0}; })),
       kConversionErrorMessage},
      {"RLE8 on 4 bits", BuildBmp(With(Rle8(1, 1, {0, 1}), [](BmpSpec& s) { s.bitCount = 4; })), kConversionErrorMessage},
      {"RLE top-down", BuildBmp(Rle8(1, -1, {0, 1})), kConversionErrorMessage},
      {"RLE stream without its end", BuildBmp(Rle8(4, 4, {2, 1, 0, 0, 2, 1})), kConversionErrorMessage},
      {"RLE literal longer than the stream", BuildBmp(Rle8(8, 1, {0, 8, 1, 1, 1})), kConversionErrorMessage},
      {"RLE delta cut off", BuildBmp(Rle8(8, 2, {0, 2, 1})), kConversionErrorMessage},
  };
  for (const HostileCase& test : cases) {
    SCOPED_TRACE(test.name);
    const DibDecodeResult result = DecodeDib(test.file);
    EXPECT_EQ(result.image, nullptr);
    EXPECT_EQ(result.message, test.message);
    FreePaletteImage(result.image);
  }
}

TEST(DibColorCount, FollowsColoursUsedOrTheBitCount) {
  struct Row {
    const char* name;
    BmpSpec spec;
    std::uint16_t expected;
  };
  const Row rows[] = {
      {"1 bit", With({}, [](BmpSpec& s) { s.bitCount = 1; }), 2},
      {"4 bits", With({}, [](BmpSpec& s) { s.bitCount = 4; }), 16},
      {"8 bits", With({}, [](BmpSpec& s) { s.bitCount = 8; }), 256},
      {"24 bits", {}, 0},
      {"colours used 16", With({}, [](BmpSpec& s) { s.bitCount = 8; s.colorsUsed = 16; }), 16},
      {"colours used: low 16 bits", With({}, [](BmpSpec& s) { s.colorsUsed = 0x10005; }), 5},
      {"core header, 8 bits", With({}, [](BmpSpec& s) { s.headerSize = 12; s.bitCount = 8; }), 256},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    BmpSpec spec = row.spec;
    spec.fileHeader = false;
    EXPECT_EQ(DibColorCount(BuildBmp(spec)), row.expected);
  }
}

// Without a display the message goes to standard error; exactly one per call.
TEST(LoadDibImage, ReportsEachFailureOnceWithoutADisplay) {
  ::unsetenv("DISPLAY");
  const std::string folder = ::testing::TempDir();
  struct Row {
    const char* name;
    std::string path;
    std::function<void(const std::string&)> make;  // nullptr: no file
    std::string stderrText;
  };
  const auto writeFile = [](const Bytes& bytes) {
    return [bytes](const std::string& path) {
      FILE* out = std::fopen(path.c_str(), "wb");
      ASSERT_NE(out, nullptr);
      std::fwrite(bytes.data(), 1, bytes.size(), out);
      std::fclose(out);
    };
  };
  const std::string giant = folder + "bitmap_giant.bmp";
  const Row rows[] = {
      {"missing file", "/nonexistent/blazemere/palette.bmp", nullptr,
       "Error: Failed to open DIB file /nonexistent/blazemere/palette.bmp.\n"},
      {"a folder", folder, nullptr, "Error: Failed to open DIB file " + folder + ".\n"},
      {"a giant file is not read", giant,
       [](const std::string& path) { ASSERT_EQ(::truncate(path.c_str(), 1LL << 30), 0); },
       "Error: Failed to open DIB file " + giant + ".\n"},
      {"header size 108", folder + "bitmap_header108.bmp",
       writeFile(BuildBmp(With({}, [](BmpSpec& s) { s.headerSize = 108; }))), "Error: Unknown DIB file format.\n"},
      {"truncated", folder + "bitmap_truncated.bmp",
       writeFile(BuildBmp(With({}, [](BmpSpec& s) { s.width = 2; }))), "Error: Image file conversion error.\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.make) {
      writeFile({})(row.path);
      row.make(row.path);
    }
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(LoadDibImage(row.path.c_str()), nullptr);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), row.stderrText);
    if (row.make) std::remove(row.path.c_str());
  }
}

}  // namespace
}  // namespace blazemere::renderer
