// File-type filters as the Windows file dialogs write them ("*.MP3;*.WAV"),
// turned into the shell patterns a GTK file filter matches, one per part.
// Windows compares names without regard to case, GTK's patterns do not, so
// every letter becomes a two-letter class. The splitting and the letter
// classes serve FLTK's pattern too (fltk/file_filter_pattern.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace blazemere::platform {

// "*.MP3;*.WAV" -> {"*.[mM][pP]3", "*.[wW][aA][vV]"}; empty parts are
// dropped and no part at all gives {"*"}. A "[" matches itself.
[[nodiscard]] std::vector<std::string> CaseBlindGlobPatterns(std::string_view windowsPatterns);

// The parts between the ";" of a Windows filter, empty ones dropped.
[[nodiscard]] std::vector<std::string_view> FilterParts(std::string_view windowsPatterns);

// `pattern` with every ASCII letter as a class of its two cases ("[mM]", or
// "[Mm]" with `upperFirst`); `special` lists the characters that get a
// backslash before them, except "[" when `bracketAsClass` makes it "[[]".
struct CaseBlindSpelling {
  bool upperFirst = false;
  std::string_view special;
  bool bracketAsClass = false;
};
[[nodiscard]] std::string CaseBlindPattern(std::string_view pattern, const CaseBlindSpelling& spelling);

}  // namespace blazemere::platform
