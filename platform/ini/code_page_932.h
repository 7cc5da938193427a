// Conversion between code page 932 (Shift_JIS, the Japanese Windows code
// page settings files from Windows are written in) and UTF-8. Exact or not
// at all: a character without a counterpart fails the whole conversion.
#pragma once

#include <memory>
#include <optional>
#include <string_view>

namespace blazemere::platform {

class Cp932Converter {
 public:
  enum class Direction { kToUtf8, kFromUtf8 };

  explicit Cp932Converter(Direction direction);
  ~Cp932Converter();
  Cp932Converter(const Cp932Converter&) = delete;
  Cp932Converter& operator=(const Cp932Converter&) = delete;

  // The converted text, valid until the next call; nullopt when a character
  // has no counterpart (or the system has no converter).
  [[nodiscard]] std::optional<std::string_view> Convert(std::string_view bytes);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace blazemere::platform
