// File-type filters as the Windows file dialogs write them ("*.MP3;*.WAV"),
// turned into what the FLTK file list matches. Windows compares names
// without regard to case, Linux names are case-sensitive, so every letter
// becomes a two-letter class.
#pragma once

#include <string>
#include <string_view>

namespace blazemere::platform {

// "*.MP3;*.WAV" -> "{*.[Mm][Pp]3,*.[Ww][Aa][Vv]}"; a single pattern comes
// without braces. FLTK's special characters in a pattern ("[", "]", "{",
// "}", ",", "\") are escaped so they match themselves.
[[nodiscard]] std::string CaseInsensitiveFltkPattern(std::string_view windowsPatterns);

// The path a name typed into the chooser stands for: an absolute name as it
// is, "~" or "~/..." under `home`, anything else inside `folder`.
[[nodiscard]] std::string ResolveTypedName(const std::string& folder, const std::string& typed,
                                           const std::string& home);

}  // namespace blazemere::platform
