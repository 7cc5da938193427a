// JPEG pictures built into the host, decoded at run time with libjpeg.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "common/rgb_image.h"

namespace blazemere::platform {

// Pictures larger than this on either side are refused, whatever the data
// claims, so a damaged header cannot ask for a giant allocation.
inline constexpr int kLargestJpegSide = 4096;

// nullopt for data that is no complete JPEG picture; never exits.
[[nodiscard]] std::optional<RgbImage> DecodeJpeg(std::span<const std::uint8_t> data);

}  // namespace blazemere::platform
