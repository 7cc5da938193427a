// The renderer's bitmap reader, its decoding half: turns the bytes of a BMP
// file (with or without its file header) into plain 24-bit RGB rows. Works
// on bytes alone, so tests and the fuzzer need neither a file nor a display;
// LoadDibImage (renderer/effect/palette_image_file.h) adds the file read and
// the message box.
#pragma once

#include <cstdint>
#include <span>
#include <memory>
#include <string>

namespace blazemere::renderer {

// Width and height as the bitmap header gives them; `data` holds
// |height| x width x 3 bytes (R, G, B, no row padding) in the bitmap's own
// storage order: for the usual bottom-up bitmap the bottom row first, for a
// top-down bitmap (negative height) the top row first. The record and its
// pixel block come from malloc and belong to the caller.
struct PaletteImage {
  std::int32_t width;
  std::int32_t height;
  std::uint8_t* data;
};

// The reader's messages, exactly as the user sees them.
inline constexpr const char* kOpenFailedFormat = "Failed to open DIB file %s.\n";
inline constexpr const char* kOutOfMemoryMessage = "Out of memory.";
inline constexpr const char* kUnknownFormatMessage = "Unknown DIB file format.";
inline constexpr const char* kConversionErrorMessage = "Image file conversion error.";

// Colour-table size: a non-zero colours-used field of a 40-byte header
// (low 16 bits), else 2, 16 or 256 for 1, 4 or 8 bits per pixel, else 0.
// `header` starts at the bitmap header; too short a header counts as 0.
[[nodiscard]] std::uint16_t DibColorCount(std::span<const std::uint8_t> header);

// Either the decoded image (malloc'ed, free with FreePaletteImage) or the
// message that explains why there is none.
struct DibDecodeResult {
  PaletteImage* image = nullptr;
  std::string message;  // empty on success
};

// Pure decoder over the whole file's bytes. Never reads outside `file`,
// never allocates more than the file could describe.
[[nodiscard]] DibDecodeResult DecodeDib(std::span<const std::uint8_t> file);

// Frees the record and its pixel block; null is fine.
void FreePaletteImage(PaletteImage* image);

// Owns a decoded image and frees it with FreePaletteImage.
struct PaletteImageFree {
  void operator()(PaletteImage* image) const { FreePaletteImage(image); }
};
using PaletteImageHandle = std::unique_ptr<PaletteImage, PaletteImageFree>;

}  // namespace blazemere::renderer
