// Where drive letters live on a POSIX system: one folder per letter under a
// per-user root. Pure, so the mapping can be checked without the user's
// environment.
#pragma once

#include <string>
#include <string_view>

namespace blazemere::platform {

// $XDG_DATA_HOME/blazemere, or <home>/.local/share/blazemere when
// XDG_DATA_HOME is unset, empty or relative; empty when there is no home
// folder either.
[[nodiscard]] std::string DriveRootFolder(const char* xdgDataHome, const std::string& home);

// "c:\k_vorn\Blazemere.bmp" -> "<root>/drive_c/k_vorn/Blazemere.bmp"; empty
// without a root. A path without a drive letter only has its backslashes
// turned into slashes.
[[nodiscard]] std::string MapDriveLetterPath(std::string_view windowsPath, const std::string& driveRoot);

}  // namespace blazemere::platform
