// The fire's colour ramp: the first 256 pixels of the palette image, copied
// once at load time into a table of fixed size so that the per-frame
// conversion can never read past a short image. Entries the image does not
// hold are black.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace blazemere::fire {

inline constexpr int kPaletteEntries = 256;

class FirePalette {
 public:
  FirePalette() = default;  // all black

  // `pixels` holds |height| x width pixels of R, G, B bytes, as the bitmap
  // reader returns them; only as many as exist (at most 256) are taken.
  static FirePalette FromImagePixels(const std::uint8_t* pixels, std::int32_t width, std::int32_t height);

  // R, G, B of entry k (0 to 255).
  const std::uint8_t* Entry(int k) const { return &bytes_[static_cast<std::size_t>(k) * 4]; }

  // All entries as R, G, B and a zero byte each, 4 bytes apart, so that one
  // entry can be copied as a 32-bit word.
  const std::uint8_t* PaddedEntries() const { return bytes_.data(); }

 private:
  std::array<std::uint8_t, kPaletteEntries * 4> bytes_{};
};

// Pixels an image of that size holds; 0 for empty or nonsensical sizes.
[[nodiscard]] std::size_t ImagePixelCount(std::int32_t width, std::int32_t height);

}  // namespace blazemere::fire
