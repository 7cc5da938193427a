// Settings file encodings: see ini_encoding.h.
#include "platform/ini/ini_encoding.h"

#include <algorithm>

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

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // what iconv_open returns on failure

// `output` is a scratch buffer the caller may keep between calls.
std::optional<std::string_view> Convert(iconv_t converter, std::string_view bytes, std::string& output) {
  if (bytes.empty()) return std::string_view();
  if (converter == kNoConverter) return std::nullopt;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);  // back to the initial shift state
  // No character grows beyond three bytes per byte (half-width katakana).
  output.resize(bytes.size() * 4 + 16);
  char* in = const_cast<char*>(bytes.data());  // iconv never writes through its input
  std::size_t inLeft = bytes.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  return std::string_view(output.data(), output.size() - outLeft);
}

std::optional<std::string> ConvertOnce(std::string_view bytes, const char* to, const char* from) {
  const iconv_t converter = iconv_open(to, from);
  std::string output;
  const std::optional<std::string_view> converted = Convert(converter, bytes, output);
  if (converter != kNoConverter) iconv_close(converter);
  if (!converted) return std::nullopt;
  return std::string(*converted);
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
  return ConvertOnce(bytes, "UTF-8", "CP932");
}

std::optional<std::string> EncodeFromUtf8(std::string_view utf8, IniEncoding encoding) {
  if (encoding == IniEncoding::kUtf8) return std::string(utf8);
  return ConvertOnce(utf8, "CP932", "UTF-8");
}

IniLineDecoder::IniLineDecoder(IniEncoding encoding)
    : encoding_(encoding), converter_(encoding == IniEncoding::kUtf8 ? kNoConverter : iconv_open("UTF-8", "CP932")) {}

IniLineDecoder::~IniLineDecoder() {
  if (converter_ != kNoConverter) iconv_close(converter_);
}

std::optional<std::string_view> IniLineDecoder::Decode(std::string_view bytes) {
  // Code page 932 keeps ASCII as it is; most lines need no converter.
  const bool ascii =
      std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (encoding_ == IniEncoding::kUtf8 || ascii) return bytes;
  return Convert(converter_, bytes, buffer_);
}

std::string_view CutUtf8(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  // Step back over continuation bytes to the start of the cut sequence.
  while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end]))) --end;
  return text.substr(0, end);
}

}  // namespace blazemere::platform
