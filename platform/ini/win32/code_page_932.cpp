// Code page 932 through Windows' own tables: see code_page_932.h. Both ways
// go through UTF-16; a character without a counterpart (or a byte sequence
// that is no character) fails the whole conversion, never a "?" in its place.
#include "platform/ini/code_page_932.h"

#include <windows.h>

#include <limits>
#include <string>

namespace blazemere::platform {

namespace {

constexpr UINT kShiftJis = 932;

// `bytes` in `codePage` as UTF-16; false when a byte sequence is no character.
bool ToWide(UINT codePage, std::string_view bytes, std::wstring& wide) {
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return false;
  wide.resize(static_cast<std::size_t>(length));
  return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length) == length;
}

// UTF-16 in `codePage`; false when a character has no counterpart there.
bool FromWide(UINT codePage, const std::wstring& wide, std::string& bytes) {
  const int size = static_cast<int>(wide.size());
  BOOL defaultUsed = FALSE;
  // UTF-8 takes neither the flags nor the default-used question.
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL* asked = utf8 ? nullptr : &defaultUsed;
  const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, asked);
  if (length <= 0 || defaultUsed) return false;
  bytes.resize(static_cast<std::size_t>(length));
  return WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, nullptr, asked) == length &&
         !defaultUsed;
}

}  // namespace

struct Cp932Converter::State {
  UINT from = kShiftJis;
  UINT to = CP_UTF8;
  std::wstring wide;   // kept between calls: a file's many lines reuse them
  std::string output;
};

Cp932Converter::Cp932Converter(Direction direction) : state_(std::make_unique<State>()) {
  if (direction == Direction::kFromUtf8) {
    state_->from = CP_UTF8;
    state_->to = kShiftJis;
  }
}

Cp932Converter::~Cp932Converter() = default;

std::optional<std::string_view> Cp932Converter::Convert(std::string_view bytes) {
  if (bytes.empty()) return std::string_view();
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() / 4)) return std::nullopt;
  if (!ToWide(state_->from, bytes, state_->wide) || !FromWide(state_->to, state_->wide, state_->output)) {
    return std::nullopt;
  }
  return std::string_view(state_->output);
}

}  // namespace blazemere::platform
