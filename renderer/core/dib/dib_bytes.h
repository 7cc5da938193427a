// Bounds-checked little-endian reads from a file held in memory: every read
// of the bitmap reader goes through these, so a short or lying file can never
// lead it outside its bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace blazemere::renderer::dib_bytes {

inline bool Has(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t count) {
  return offset <= bytes.size() && count <= bytes.size() - offset;
}

inline std::uint16_t U16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::uint32_t U32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes[offset]) | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) |
         (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

inline std::optional<std::uint16_t> ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (!Has(bytes, offset, 2)) return std::nullopt;
  return U16(bytes, offset);
}

inline std::optional<std::uint32_t> ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (!Has(bytes, offset, 4)) return std::nullopt;
  return U32(bytes, offset);
}

}  // namespace blazemere::renderer::dib_bytes
