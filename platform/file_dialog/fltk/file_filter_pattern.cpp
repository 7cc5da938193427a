// Filter patterns and typed names of the file chooser: see file_filter_pattern.h.
#include "platform/file_dialog/fltk/file_filter_pattern.h"

#include <vector>

#include "platform/file_dialog/gtk3/glob_patterns.h"

namespace blazemere::platform {

std::string CaseInsensitiveFltkPattern(std::string_view windowsPatterns) {
  // FLTK's own special characters must match themselves.
  constexpr CaseBlindSpelling kFltk{.upperFirst = true, .special = "[]{},\\"};
  const std::vector<std::string_view> parts = FilterParts(windowsPatterns);
  if (parts.empty()) return "*";
  if (parts.size() == 1) return CaseBlindPattern(parts.front(), kFltk);
  std::string joined = "{";
  for (std::size_t i = 0; i < parts.size(); ++i) joined += (i > 0 ? "," : "") + CaseBlindPattern(parts[i], kFltk);
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
