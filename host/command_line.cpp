// Command-line parsing: see command_line.h.
#include "host/command_line.h"

#include <cmath>
#include <cstdlib>

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

// The characters of a number from `text`, blanks dropped, as Visual Basic's
// Val reads them: sign, digits, one decimal point, digits.
std::string NumberCharacters(const std::string& text) {
  std::string number;
  bool pointSeen = false;
  for (const char c : text) {
    if (IsBlank(c)) continue;
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
  const std::string number = NumberCharacters(commandLine.substr(3));
  bool hasDigit = false;
  for (const char c : number) hasDigit = hasDigit || IsDigit(c);
  if (!hasDigit) return 0;
  const double value = std::nearbyint(std::strtod(number.c_str(), nullptr));  // default rounding: half to even
  if (!(value >= 0.0 && value <= 4294967295.0)) return 0;
  return static_cast<std::uint32_t>(value);
}

}  // namespace blazemere::host
