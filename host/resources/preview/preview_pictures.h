// The preview window's two built-in 152 x 112 JPEG pictures: the fire still
// and the tilted grid panel under it. Generated when the host is built.
#pragma once

#include <cstdint>
#include <span>

namespace blazemere::resources {

inline constexpr int kPreviewPictureWidth = 152;
inline constexpr int kPreviewPictureHeight = 112;

[[nodiscard]] std::span<const std::uint8_t> PreviewStillJpeg();
[[nodiscard]] std::span<const std::uint8_t> PreviewGridJpeg();

}  // namespace blazemere::resources
