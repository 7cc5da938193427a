// Filter patterns for GTK's chooser: see glob_patterns.h.
#include "platform/file_dialog/gtk3/glob_patterns.h"

#include "common/text.h"

namespace blazemere::platform {
namespace {

std::string CaseBlindOne(std::string_view pattern) {
  std::string result;
  for (const char c : pattern) {
    if (IsAsciiLetter(c)) {
      result += '[';
      result += LowerAscii(c);
      result += UpperAscii(c);
      result += ']';
    } else if (c == '[') {
      result += "[[]";
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace

std::vector<std::string> CaseBlindGlobPatterns(std::string_view windowsPatterns) {
  std::vector<std::string> patterns;
  while (!windowsPatterns.empty()) {
    const std::size_t end = windowsPatterns.find(';');
    const std::string_view part = windowsPatterns.substr(0, end);
    if (!part.empty()) patterns.push_back(CaseBlindOne(part));
    if (end == std::string_view::npos) break;
    windowsPatterns.remove_prefix(end + 1);
  }
  if (patterns.empty()) patterns.emplace_back("*");
  return patterns;
}

}  // namespace blazemere::platform
