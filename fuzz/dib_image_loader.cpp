// Fuzzes the bitmap reader's decoder (the part of LoadDibImage that sees the
// file's bytes) without a display: every input must end in an image or one of
// the reader's messages.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "renderer/core/dib/dib_decoder.h"

using blazemere::renderer::DecodeDib;
using blazemere::renderer::DibDecodeResult;
using blazemere::renderer::FreePaletteImage;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const DibDecodeResult result = DecodeDib(std::span<const std::uint8_t>(data, size));
  if (result.image == nullptr) {
    if (result.message != blazemere::renderer::kOutOfMemoryMessage &&
        result.message != blazemere::renderer::kUnknownFormatMessage &&
        result.message != blazemere::renderer::kConversionErrorMessage)
      std::abort();
    return 0;
  }
  // The block must hold |height| x width x 3 bytes: ASan reports a short one.
  const std::size_t rows = static_cast<std::size_t>(std::abs(static_cast<long long>(result.image->height)));
  const std::size_t bytes = rows * static_cast<std::size_t>(result.image->width) * 3;
  volatile std::uint8_t edge = result.image->data[0];
  edge = result.image->data[bytes - 1];
  (void)edge;
  FreePaletteImage(result.image);
  return 0;
}
