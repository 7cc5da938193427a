// Turns the pixel bits of a bitmap into R, G, B rows in the bitmap's own
// storage order. The target is already zero-filled and holds exactly
// rows x width x 3 bytes; each decoder returns false when it converts nothing
// (the reader's "Image file conversion error.").
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "renderer/core/dib/dib_header.h"

namespace blazemere::renderer {

struct DibTarget {
  std::size_t width = 0;
  std::size_t rows = 0;
  std::span<std::uint8_t> pixels;
};

// True when the file holds every row the header promises (the last one may
// lack its padding). Checked before the target is allocated, so a header can
// never ask for more picture than its file could describe.
[[nodiscard]] bool UncompressedBitsPresent(const DibLayout& layout, std::size_t width, std::size_t rows);

// 1, 4, 8, 16, 24 or 32 bits per pixel, rows padded to four bytes.
[[nodiscard]] bool DecodeUncompressedRows(const DibLayout& layout, DibTarget target);

// RLE8 (8 bits) and RLE4 (4 bits) streams, bottom-up only.
[[nodiscard]] bool DecodeRunLengthRows(const DibLayout& layout, DibTarget target);

}  // namespace blazemere::renderer
