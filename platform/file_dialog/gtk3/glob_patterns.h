// File-type filters as the Windows file dialogs write them ("*.MP3;*.WAV"),
// turned into the shell patterns a GTK file filter matches, one per part.
// Windows compares names without regard to case, GTK's patterns do not, so
// every letter becomes a two-letter class.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace blazemere::platform {

// "*.MP3;*.WAV" -> {"*.[mM][pP]3", "*.[wW][aA][vV]"}; empty parts are
// dropped and no part at all gives {"*"}. A "[" matches itself.
[[nodiscard]] std::vector<std::string> CaseBlindGlobPatterns(std::string_view windowsPatterns);

}  // namespace blazemere::platform
