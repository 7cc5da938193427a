// Number texts of the settings dialog: see dialog_number_text.h.
#include "host/core/dialog/dialog_number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace blazemere::dialog {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Length of the run of digits at `position`.
std::size_t DigitRun(std::string_view text, std::size_t position) {
  std::size_t end = position;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - position;
}

// True when the whole of `text` is [sign] digits [. digits] [e [sign] digits]
// with at least one digit in the mantissa.
bool IsPlainDecimal(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const std::size_t integerDigits = DigitRun(text, at);
  at += integerDigits;
  std::size_t fractionDigits = 0;
  if (at < text.size() && text[at] == '.') {
    ++at;
    fractionDigits = DigitRun(text, at);
    at += fractionDigits;
  }
  if (integerDigits + fractionDigits == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t exponentDigits = DigitRun(text, at);
    if (exponentDigits == 0) return false;
    at += exponentDigits;
  }
  return at == text.size();
}

// Whether a plain decimal text (no sign) that from_chars could not hold is
// huge rather than tiny: its decimal order of magnitude is positive.
bool HasPositiveOrder(std::string_view text) {
  long order = 0;
  std::size_t at = 0;
  while (at < text.size() && text[at] == '0') ++at;
  const std::size_t integerDigits = DigitRun(text, at);
  if (integerDigits > 0) {
    order = static_cast<long>(integerDigits) - 1;
  } else if (at < text.size() && text[at] == '.') {
    std::size_t zeros = 0;
    while (at + 1 + zeros < text.size() && text[at + 1 + zeros] == '0') ++zeros;
    order = -static_cast<long>(zeros) - 1;
  }
  const std::size_t exponentAt = text.find_first_of("eE");
  if (exponentAt != std::string_view::npos) {
    std::string_view exponent = text.substr(exponentAt + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) exponent.remove_prefix(1);
    long value = 0;
    for (const char c : exponent) value = value > 100000 ? value : value * 10 + (c - '0');
    order += negative ? -value : value;
  }
  return order > 0;
}

}  // namespace

std::string FormatHashPattern(int value) { return value == 0 ? std::string() : std::to_string(value); }

std::string FormatWithSignPosition(int value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::optional<double> ReadDecimalNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!IsPlainDecimal(text)) return std::nullopt;
  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  double magnitude = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (end != text.data() + text.size()) return std::nullopt;
  // Too large or too small for a double: still a number, just not a track.
  if (error == std::errc::result_out_of_range)
    magnitude = HasPositiveOrder(text) ? std::numeric_limits<double>::infinity() : 0.0;
  else if (error != std::errc())
    return std::nullopt;
  return negative ? -magnitude : magnitude;
}

std::int16_t RepeatTrackFromText(std::string_view text) {
  const std::optional<double> number = ReadDecimalNumber(text);
  if (!number) return 0;
  // nearbyint rounds halves to the even neighbour in the default rounding mode.
  const double rounded = std::nearbyint(*number);
  if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max()))
    return 0;
  return static_cast<std::int16_t>(rounded);
}

}  // namespace blazemere::dialog
