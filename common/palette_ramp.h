// The fire's colour ramp that the host writes for the renderer: a 32 x 32,
// 24-bit BMP file of 3126 bytes whose bottom eight rows are the 256 palette
// entries (yellow to red and back, four times each way).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace blazemere {

inline constexpr std::size_t kPaletteRampFileSize = 3126;

// The whole file, byte for byte: file header, info header, rows bottom first.
[[nodiscard]] std::vector<std::uint8_t> PaletteRampBmpFile();

}  // namespace blazemere
