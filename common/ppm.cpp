// Binary PPM: see ppm.h.
#include "common/ppm.h"

#include <algorithm>
#include <charconv>
#include <fstream>

namespace blazemere {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The decimal number after the whitespace at `at`; moves `at` past it.
std::optional<int> TakeNumber(std::string_view bytes, std::size_t& at) {
  while (at < bytes.size() && IsSpace(bytes[at])) ++at;
  int value = 0;
  const auto [end, error] = std::from_chars(bytes.data() + at, bytes.data() + bytes.size(), value);
  if (error != std::errc() || end == bytes.data() + at) return std::nullopt;
  at = static_cast<std::size_t>(end - bytes.data());
  return value;
}

}  // namespace

std::string EncodePpm(const RgbImage& picture) {
  std::string bytes = "P6\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
  bytes.append(picture.pixels.begin(), picture.pixels.end());
  return bytes;
}

std::optional<RgbImage> DecodePpm(std::string_view bytes, int largestSide) {
  if (!bytes.starts_with("P6")) return std::nullopt;
  std::size_t at = 2;
  const std::optional<int> width = TakeNumber(bytes, at);
  const std::optional<int> height = TakeNumber(bytes, at);
  const std::optional<int> maxValue = TakeNumber(bytes, at);
  if (!width || !height || !maxValue || *maxValue != 255 || *width <= 0 || *height <= 0 || *width > largestSide ||
      *height > largestSide || at >= bytes.size() || !IsSpace(bytes[at])) {
    return std::nullopt;
  }
  ++at;  // the one whitespace byte before the pixels
  RgbImage picture(*width, *height);
  if (bytes.size() - at != picture.pixels.size()) return std::nullopt;
  std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end(), picture.pixels.begin());
  return picture;
}

bool WritePpm(const std::string& path, const RgbImage& picture) {
  std::ofstream file(path, std::ios::binary);
  const std::string bytes = EncodePpm(picture);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

}  // namespace blazemere
