// Settings file encodings: see ini_encoding.h.
#include "platform/ini/ini_encoding.h"

#include <algorithm>

#include "common/text.h"

namespace blazemere::platform {

namespace {

std::optional<std::string> ConvertOnce(std::string_view bytes, Cp932Converter::Direction direction) {
  Cp932Converter converter(direction);
  const std::optional<std::string_view> converted = converter.Convert(bytes);
  if (!converted) return std::nullopt;
  return std::string(*converted);
}

}  // namespace

IniEncoding DetectIniEncoding(std::string_view bytes) {
  return IsValidUtf8(bytes) ? IniEncoding::kUtf8 : IniEncoding::kCp932;
}

std::optional<std::string> DecodeToUtf8(std::string_view bytes, IniEncoding encoding) {
  if (encoding == IniEncoding::kUtf8) return std::string(bytes);
  return ConvertOnce(bytes, Cp932Converter::Direction::kToUtf8);
}

std::optional<std::string> EncodeFromUtf8(std::string_view utf8, IniEncoding encoding) {
  if (encoding == IniEncoding::kUtf8) return std::string(utf8);
  return ConvertOnce(utf8, Cp932Converter::Direction::kFromUtf8);
}

IniLineDecoder::IniLineDecoder(IniEncoding encoding)
    : encoding_(encoding) {
  if (encoding_ == IniEncoding::kCp932) {
    converter_ = std::make_unique<Cp932Converter>(Cp932Converter::Direction::kToUtf8);
  }
}

std::optional<std::string_view> IniLineDecoder::Decode(std::string_view bytes) {
  // Code page 932 keeps ASCII as it is; most lines need no converter.
  const bool ascii =
      std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (encoding_ == IniEncoding::kUtf8 || ascii) return bytes;
  return converter_->Convert(bytes);
}

}  // namespace blazemere::platform
