// The reader's pure core: from a file's bytes to a PaletteImage or the
// message that says why not. What it converts is what the platform's bitmap
// conversion converts: 1, 4, 8, 16, 24, 32 bits, uncompressed, RLE8, RLE4,
// and bit fields for 16 and 32 bits.
#include <cstdlib>
#include <variant>

#include "renderer/core/dib/dib_decoder.h"
#include "renderer/core/dib/dib_header.h"
#include "renderer/core/dib/dib_pixel_decoders.h"

namespace blazemere::renderer {

namespace {

// A palette image is 32 x 32; 4096 x 4096 leaves room for any real picture
// while keeping a header that merely claims a huge size (a run-length stream
// can claim one in a few bytes) from asking for gigabytes.
constexpr std::uint64_t kMaxPixels = 4096ull * 4096ull;

bool IsConvertible(const DibWorkingHeader& header) {
  const auto compression = static_cast<DibCompression>(header.compression);
  switch (header.bitCount) {
    case 1:
    case 24: return compression == DibCompression::kNone;
    case 4: return compression == DibCompression::kNone || compression == DibCompression::kRle4;
    case 8: return compression == DibCompression::kNone || compression == DibCompression::kRle8;
    case 16:
    case 32: return compression == DibCompression::kNone || compression == DibCompression::kBitFields;
    default: return false;
  }
}

bool IsRunLength(const DibWorkingHeader& header) {
  const auto compression = static_cast<DibCompression>(header.compression);
  return compression == DibCompression::kRle8 || compression == DibCompression::kRle4;
}

// Empty pictures convert no line; compressed ones only exist bottom-up.
bool HasConvertibleShape(const DibWorkingHeader& header) {
  if (header.width <= 0 || header.height == 0) return false;
  return !(IsRunLength(header) && header.height < 0);
}

std::uint64_t RowCount(const DibWorkingHeader& header) {
  const auto height = static_cast<std::int64_t>(header.height);
  return static_cast<std::uint64_t>(height < 0 ? -height : height);
}

DibDecodeResult Failure(const char* message) { return DibDecodeResult{nullptr, message}; }

}  // namespace

DibDecodeResult DecodeDib(std::span<const std::uint8_t> file) {
  auto parsed = ReadDibLayout(file);
  if (auto* message = std::get_if<std::string>(&parsed)) return DibDecodeResult{nullptr, *message};
  const DibLayout& layout = std::get<DibLayout>(parsed);
  const DibWorkingHeader& header = layout.header;
  if (!IsConvertible(header) || !HasConvertibleShape(header)) return Failure(kConversionErrorMessage);

  const std::uint64_t width = static_cast<std::uint64_t>(header.width);
  const std::uint64_t rows = RowCount(header);
  if (!IsRunLength(header) && !UncompressedBitsPresent(layout, width, rows)) return Failure(kConversionErrorMessage);
  if (width > kMaxPixels || rows > kMaxPixels / width) return Failure(kOutOfMemoryMessage);
  const std::size_t byteCount = static_cast<std::size_t>(width * rows * 3);

  auto* pixels = static_cast<std::uint8_t*>(std::calloc(byteCount, 1));
  if (pixels == nullptr) return Failure(kOutOfMemoryMessage);
  const DibTarget target{static_cast<std::size_t>(width), static_cast<std::size_t>(rows), {pixels, byteCount}};
  const bool converted =
      IsRunLength(header) ? DecodeRunLengthRows(layout, target) : DecodeUncompressedRows(layout, target);
  if (!converted) {
    std::free(pixels);
    return Failure(kConversionErrorMessage);
  }

  auto* image = static_cast<PaletteImage*>(std::malloc(sizeof(PaletteImage)));
  if (image == nullptr) {
    std::free(pixels);
    return Failure(kOutOfMemoryMessage);
  }
  *image = PaletteImage{header.width, header.height, pixels};
  return DibDecodeResult{image, {}};
}

void FreePaletteImage(PaletteImage* image) {
  if (image == nullptr) return;
  std::free(image->data);
  std::free(image);
}

}  // namespace blazemere::renderer
