// Command-line parsing: see command_line.h.
#include "host/core/startup/command_line.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace blazemere::host {

namespace {

// Bytes of the UTF-8 character that starts at `position` (1 for stray bytes).
std::size_t CharacterLength(const std::string& text, std::size_t position) {
  const auto lead = static_cast<unsigned char>(text[position]);
  std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  while (length > 1 && position + length > text.size()) --length;
  return length;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutBlanks(const std::string& text) {
  std::string kept;
  for (const char c : text) {
    if (!IsBlank(c)) kept += c;
  }
  return kept;
}

// The characters of a decimal number at the start of `text` (blanks already
// dropped, as Visual Basic's Val drops them): sign, digits, one decimal
// point, digits.
std::string NumberCharacters(const std::string& text) {
  std::string number;
  bool pointSeen = false;
  for (const char c : text) {
    if ((c == '+' || c == '-') && number.empty()) {
      number += c;
    } else if (IsDigit(c)) {
      number += c;
    } else if (c == '.' && !pointSeen) {
      pointSeen = true;
      number += c;
    } else {
      break;
    }
  }
  return number;
}

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The hex digits at the start of `digits` as a window id; 0 when there are
// none or the value does not fit 32 bits.
std::uint32_t HexWindowId(std::string_view digits) {
  std::uint64_t value = 0;
  for (const char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) break;
    value = value * 16 + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFu) return 0;
  }
  return static_cast<std::uint32_t>(value);
}

bool StartsWithHexPrefix(std::string_view text) {
  return text.size() >= 2 && ((text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) ||
                              (text[0] == '&' && (text[1] == 'h' || text[1] == 'H')));
}

}  // namespace

std::string JoinCommandLine(const std::vector<std::string>& arguments) {
  std::string line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) line += ' ';
    line += arguments[i];
  }
  return line;
}

std::string ModeLetterOf(const std::string& commandLine) {
  if (commandLine.empty()) return {};
  const std::size_t second = CharacterLength(commandLine, 0);
  if (second >= commandLine.size()) return {};
  std::string letter = commandLine.substr(second, CharacterLength(commandLine, second));
  if (letter.size() == 1 && letter[0] >= 'a' && letter[0] <= 'z') letter[0] = static_cast<char>(letter[0] - 'a' + 'A');
  return letter;
}

std::uint32_t PreviewHandleOf(const std::string& commandLine) {
  if (commandLine.size() < 4) return 0;
  const std::string text = WithoutBlanks(commandLine.substr(3));
  // xwininfo and xdotool print ids as 0x...; Val reads &H... as hex too.
  if (StartsWithHexPrefix(text)) return HexWindowId(std::string_view(text).substr(2));
  const std::string number = NumberCharacters(text);
  bool hasDigit = false;
  for (const char c : number) hasDigit = hasDigit || IsDigit(c);
  if (!hasDigit) return 0;
  const double value = std::nearbyint(std::strtod(number.c_str(), nullptr));  // default rounding: half to even
  if (!(value >= 0.0 && value <= 4294967295.0)) return 0;
  return static_cast<std::uint32_t>(value);
}

}  // namespace blazemere::host
