// Maps the fixed Windows paths the system was written with ("C:\k_vorn\...")
// to a per-user folder, so renderer and host agree on one place for the
// palette image without ever touching a shared, world-writable folder.
#pragma once

#include <string>
#include <string_view>

namespace blazemere::platform {

// "C:..." in either case.
[[nodiscard]] bool StartsWithDriveLetter(std::string_view path);

// Where drive letters live: $XDG_DATA_HOME/blazemere, or
// <home>/.local/share/blazemere when XDG_DATA_HOME is unset, empty or
// relative; empty when there is no home folder either.
[[nodiscard]] std::string DriveRootFolder(const char* xdgDataHome, const std::string& home);

// "c:\k_vorn\Blazemere.bmp" -> "<root>/drive_c/k_vorn/Blazemere.bmp"; empty
// without a root. A path without a drive letter only has its backslashes
// turned into slashes.
[[nodiscard]] std::string MapDriveLetterPath(std::string_view windowsPath, const std::string& driveRoot);

// The same, with the root taken from this process's environment and the
// user's home folder (HomeFolder).
[[nodiscard]] std::string MapDriveLetterPath(std::string_view windowsPath);

}  // namespace blazemere::platform
