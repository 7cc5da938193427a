// The files that libcdio reads for one CD source besides the source itself:
// the .bin beside a .cue (and the other way round), and the files a .cue or
// .toc sheet names. Pure, so that the list can be checked without libcdio.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace blazemere::platform::mci {

// "a.cue" -> "a.bin", "A.CUE" -> "A.BIN" and back; nothing for other names.
[[nodiscard]] std::optional<std::string> CompanionImageFile(const std::string& source);

// A .cue or .toc name (ending in lower or upper case), whose text names files.
[[nodiscard]] bool IsImageSheet(const std::string& name);

// The names after FILE, AUDIOFILE, DATAFILE and CDTEXTFILE, as written
// (quoted or as one word), one per line at most.
[[nodiscard]] std::vector<std::string> SheetFileNames(std::string_view sheet);

}  // namespace blazemere::platform::mci
