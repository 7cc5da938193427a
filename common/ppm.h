// Binary PPM ("P6", 8 bits a channel), the one picture file format of the
// project's tools, generators and tests: the pictures kept beside the
// generators, the fire-frames output and the bitmap reader's references.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/rgb_image.h"

namespace blazemere {

// "P6\n<width> <height>\n255\n" and the pixels, top row first.
[[nodiscard]] std::string EncodePpm(const RgbImage& picture);

// The picture in `bytes`: header fields separated by whitespace (no
// comments), maximum value 255, then exactly the pixels; nothing for
// anything else, a picture larger than `largestSide` on either side
// included.
[[nodiscard]] std::optional<RgbImage> DecodePpm(std::string_view bytes, int largestSide = 4096);

// EncodePpm into the file at `path`; false when it could not be written whole.
[[nodiscard]] bool WritePpm(const std::string& path, const RgbImage& picture);

}  // namespace blazemere
