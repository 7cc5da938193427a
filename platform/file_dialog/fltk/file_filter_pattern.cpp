// Filter patterns and typed names of the file chooser: see file_filter_pattern.h.
#include "platform/file_dialog/fltk/file_filter_pattern.h"

#include <vector>

#include "common/text.h"

namespace blazemere::platform {
namespace {

std::string CaseInsensitiveOne(std::string_view pattern) {
  std::string result;
  for (const char c : pattern) {
    if (IsAsciiLetter(c)) {
      result += '[';
      result += UpperAscii(c);
      result += LowerAscii(c);
      result += ']';
    } else if (c == '[' || c == ']' || c == '{' || c == '}' || c == ',' || c == '\\') {
      result += '\\';
      result += c;
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace

std::string CaseInsensitiveFltkPattern(std::string_view windowsPatterns) {
  std::vector<std::string> parts;
  while (!windowsPatterns.empty()) {
    const std::size_t end = windowsPatterns.find(';');
    const std::string_view part = windowsPatterns.substr(0, end);
    if (!part.empty()) parts.push_back(CaseInsensitiveOne(part));
    if (end == std::string_view::npos) break;
    windowsPatterns.remove_prefix(end + 1);
  }
  if (parts.empty()) return "*";
  if (parts.size() == 1) return parts.front();
  std::string joined = "{";
  for (std::size_t i = 0; i < parts.size(); ++i) joined += (i > 0 ? "," : "") + parts[i];
  return joined + "}";
}

std::string ResolveTypedName(const std::string& folder, const std::string& typed, const std::string& home) {
  if (typed.empty() || typed.front() == '/') return typed;
  if (typed == "~") return home;
  if (typed.rfind("~/", 0) == 0) return home + typed.substr(1);
  if (folder.empty() || folder.back() == '/') return folder + typed;
  return folder + "/" + typed;
}

}  // namespace blazemere::platform
