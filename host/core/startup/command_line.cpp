// Command-line parsing: see command_line.h.
#include "host/core/startup/command_line.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "common/number_text.h"
#include "common/text.h"

namespace blazemere::host {

namespace {

std::string WithoutBlanks(const std::string& text) {
  std::string kept;
  for (const char c : text) {
    if (c != ' ' && c != '\t') kept += c;
  }
  return kept;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
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

constexpr const char* kDisplayModeWord = "--xscreensaver";

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
  const std::size_t second = Utf8CharacterLength(commandLine, 0);
  if (second >= commandLine.size()) return {};
  return UpperAscii(std::string_view(commandLine).substr(second, Utf8CharacterLength(commandLine, second)));
}

HostMode HostModeOf(const std::string& commandLine) {
  if (commandLine.empty()) return HostMode::kSaverWithPointer;
  if (commandLine == kDisplayModeWord || commandLine.starts_with(std::string(kDisplayModeWord) + " ")) {
    return HostMode::kDisplayMode;
  }
  const std::string letter = ModeLetterOf(commandLine);
  if (letter == "P") return HostMode::kPreview;
  if (letter == "C") return HostMode::kSettings;
  if (letter == "S") return HostMode::kSaver;
  return HostMode::kNothing;
}

std::uint32_t PreviewHandleOf(const std::string& commandLine) {
  if (commandLine.size() < 4) return 0;
  const std::string text = WithoutBlanks(commandLine.substr(3));
  // xwininfo and xdotool print ids as 0x...; Val reads &H... as hex too.
  if (StartsWithHexPrefix(text)) return HexWindowId(std::string_view(text).substr(2));
  const std::optional<double> number = ReadLeadingNumber(text);
  if (!number) return 0;
  const double value = std::nearbyint(*number);  // default rounding: half to even
  if (!(value >= 0.0 && value <= 4294967295.0)) return 0;
  return static_cast<std::uint32_t>(value);
}

std::optional<std::uint32_t> DisplayModePreviewOf(const std::string& commandLine) {
  const std::vector<std::string_view> words = Words(commandLine);
  const auto option = std::find(words.begin(), words.end(), "--window-id");
  if (option == words.end()) return std::nullopt;
  if (option + 1 == words.end()) return 0;
  return ReadWindowId(*(option + 1)).value_or(0);
}

}  // namespace blazemere::host
