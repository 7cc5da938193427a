// Numbers in text: see number_text.h.
#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace blazemere {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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

std::optional<double> ReadDecimalNumber(std::string_view text) {
  text = Trim(text);
  if (!IsPlainDecimal(text)) return std::nullopt;
  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  double magnitude = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (end != text.data() + text.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range)
    magnitude = HasPositiveOrder(text) ? std::numeric_limits<double>::infinity() : 0.0;
  else if (error != std::errc())
    return std::nullopt;
  return negative ? -magnitude : magnitude;
}

std::optional<std::int16_t> ReadInt16(std::string_view text, Rounding rounding) {
  const std::optional<double> number = ReadDecimalNumber(text);
  if (!number) return std::nullopt;
  // nearbyint rounds halves to the even neighbour in the default rounding mode.
  const double whole = rounding == Rounding::kDown ? std::floor(*number) : std::nearbyint(*number);
  if (!(whole >= std::numeric_limits<std::int16_t>::min() && whole <= std::numeric_limits<std::int16_t>::max()))
    return std::nullopt;
  return static_cast<std::int16_t>(whole);
}

std::optional<std::int64_t> ReadInteger(std::string_view text, std::string_view blanks) {
  text = Trim(text, blanks);
  if (text.starts_with('+')) text.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> ReadLeadingNumber(std::string_view text) {
  std::string number;
  bool pointSeen = false;
  bool digitSeen = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t') continue;
    if ((c == '+' || c == '-') && number.empty()) {
      number += c;
    } else if (IsDigit(c)) {
      number += c;
      digitSeen = true;
    } else if (c == '.' && !pointSeen) {
      pointSeen = true;
      number += c;
    } else {
      break;
    }
  }
  if (!digitSeen) return std::nullopt;
  return std::strtod(number.c_str(), nullptr);
}

std::optional<std::uint32_t> ReadWindowId(std::string_view text) {
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.size() > 1 && text.front() == '0') {
    base = 8;
    text.remove_prefix(1);
  }
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value == 0) return std::nullopt;
  return value;
}

}  // namespace blazemere
