// The fire's colour ramp as the host writes it for the renderer: a 32 x 32,
// 24-bit BMP file of 3126 bytes whose bottom eight rows are the 256 palette
// entries (yellow to red and back, four times each way).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace blazemere::host {

inline constexpr std::size_t kPaletteRampFileSize = 3126;

// The whole file, byte for byte: file header, info header, rows bottom first.
std::vector<std::uint8_t> PaletteRampBmpFile();

// Writes the file to `path`, replacing an old one only once the new one is
// complete (a temporary file beside it, then a rename). False on failure, in
// which case any old file is left as it was and nothing else remains.
bool WritePaletteRampFile(const std::string& path);

}  // namespace blazemere::host
