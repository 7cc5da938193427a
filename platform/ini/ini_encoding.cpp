// Settings file encodings: see ini_encoding.h.
#include "platform/ini/ini_encoding.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace blazemere::platform {

namespace {

// Length of the UTF-8 sequence that starts with `lead`, 0 for a byte that
// cannot start one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

std::optional<std::string> Convert(std::string_view bytes, const char* to, const char* from) {
  if (bytes.empty()) return std::string();
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input(bytes);
  std::vector<char> output(bytes.size() * 4 + 16);
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  return std::string(output.data(), output.size() - outLeft);
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) return false;
    }
    const auto second = length > 1 ? static_cast<unsigned char>(bytes[i + 1]) : 0;
    // Overlong forms, surrogates and values beyond U+10FFFF.
    if (lead == 0xE0 && second < 0xA0) return false;
    if (lead == 0xED && second > 0x9F) return false;
    if (lead == 0xF0 && second < 0x90) return false;
    if (lead == 0xF4 && second > 0x8F) return false;
    i += length;
  }
  return true;
}

IniEncoding DetectIniEncoding(std::string_view bytes) {
  return IsValidUtf8(bytes) ? IniEncoding::kUtf8 : IniEncoding::kCp932;
}

std::optional<std::string> DecodeToUtf8(std::string_view bytes, IniEncoding encoding) {
  if (encoding == IniEncoding::kUtf8) return std::string(bytes);
  return Convert(bytes, "UTF-8", "CP932");
}

std::optional<std::string> EncodeFromUtf8(std::string_view utf8, IniEncoding encoding) {
  if (encoding == IniEncoding::kUtf8) return std::string(utf8);
  return Convert(utf8, "CP932", "UTF-8");
}

std::string_view CutUtf8(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  // Step back over continuation bytes to the start of the cut sequence.
  while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end]))) --end;
  return text.substr(0, end);
}

}  // namespace blazemere::platform
