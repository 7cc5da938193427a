// Code page 932 through iconv: see code_page_932.h.
#include "platform/ini/code_page_932.h"

#include <iconv.h>

#include <string>

namespace blazemere::platform {

namespace {
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // what iconv_open returns on failure
}  // namespace

struct Cp932Converter::State {
  iconv_t converter = kNoConverter;
  std::string output;  // kept between calls: a file's many lines reuse it
};

Cp932Converter::Cp932Converter(Direction direction) : state_(std::make_unique<State>()) {
  state_->converter = direction == Direction::kToUtf8 ? iconv_open("UTF-8", "CP932") : iconv_open("CP932", "UTF-8");
}

Cp932Converter::~Cp932Converter() {
  if (state_->converter != kNoConverter) iconv_close(state_->converter);
}

std::optional<std::string_view> Cp932Converter::Convert(std::string_view bytes) {
  if (bytes.empty()) return std::string_view();
  if (state_->converter == kNoConverter) return std::nullopt;
  iconv(state_->converter, nullptr, nullptr, nullptr, nullptr);  // back to the initial shift state
  // No character grows beyond three bytes per byte (half-width katakana).
  std::string& output = state_->output;
  output.resize(bytes.size() * 4 + 16);
  char* in = const_cast<char*>(bytes.data());  // iconv never writes through its input
  std::size_t inLeft = bytes.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(state_->converter, &in, &inLeft, &out, &outLeft);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  return std::string_view(output.data(), output.size() - outLeft);
}

}  // namespace blazemere::platform
