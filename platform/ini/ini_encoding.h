// Text encodings of a settings file: our own files are UTF-8, files copied
// from a Windows machine are Shift_JIS (code page 932). Lines are parsed as
// UTF-8 and only the lines we change are converted back.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini/code_page_932.h"

namespace blazemere::platform {

enum class IniEncoding { kUtf8, kCp932 };

// UTF-8 when the bytes are valid UTF-8, otherwise code page 932.
[[nodiscard]] IniEncoding DetectIniEncoding(std::string_view bytes);

// Converts between the file's encoding and UTF-8; nullopt when a character
// has no counterpart (never a silently damaged text).
[[nodiscard]] std::optional<std::string> DecodeToUtf8(std::string_view bytes, IniEncoding encoding);
[[nodiscard]] std::optional<std::string> EncodeFromUtf8(std::string_view utf8, IniEncoding encoding);

// Decodes the many lines of one file to UTF-8 through one converter: opening
// a converter per line would dominate the loading of a large file.
class IniLineDecoder {
 public:
  explicit IniLineDecoder(IniEncoding encoding);

  // The line as UTF-8, valid until the next call; nullopt when a character
  // has no counterpart (or the converter is unavailable).
  [[nodiscard]] std::optional<std::string_view> Decode(std::string_view bytes);

 private:
  IniEncoding encoding_;
  std::unique_ptr<Cp932Converter> converter_;  // only for a code page 932 file
};

}  // namespace blazemere::platform
