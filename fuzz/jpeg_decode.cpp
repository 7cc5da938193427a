// Damaged JPEG data must give "no picture", never an exit, crash or giant
// allocation.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/jpeg/jpeg_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)blazemere::platform::DecodeJpeg(std::span<const std::uint8_t>(data, size));
  return 0;
}
