// Filter patterns for GTK's chooser: see glob_patterns.h.
#include "platform/file_dialog/gtk3/glob_patterns.h"

#include "common/text.h"

namespace blazemere::platform {

std::vector<std::string_view> FilterParts(std::string_view windowsPatterns) {
  std::vector<std::string_view> parts;
  while (!windowsPatterns.empty()) {
    const std::size_t end = windowsPatterns.find(';');
    const std::string_view part = windowsPatterns.substr(0, end);
    if (!part.empty()) parts.push_back(part);
    if (end == std::string_view::npos) break;
    windowsPatterns.remove_prefix(end + 1);
  }
  return parts;
}

std::string CaseBlindPattern(std::string_view pattern, const CaseBlindSpelling& spelling) {
  std::string result;
  for (const char c : pattern) {
    if (IsAsciiLetter(c)) {
      result += '[';
      result += spelling.upperFirst ? UpperAscii(c) : LowerAscii(c);
      result += spelling.upperFirst ? LowerAscii(c) : UpperAscii(c);
      result += ']';
    } else if (c == '[' && spelling.bracketAsClass) {
      result += "[[]";
    } else {
      if (spelling.special.find(c) != std::string_view::npos) result += '\\';
      result += c;
    }
  }
  return result;
}

std::vector<std::string> CaseBlindGlobPatterns(std::string_view windowsPatterns) {
  std::vector<std::string> patterns;
  for (const std::string_view part : FilterParts(windowsPatterns)) {
    patterns.push_back(CaseBlindPattern(part, {.bracketAsClass = true}));
  }
  if (patterns.empty()) patterns.emplace_back("*");
  return patterns;
}

}  // namespace blazemere::platform
